#pragma once

#include "table_rows.h"
#include "test_paths.h"
#include "windows/forms/common_dialog.h"
#include "windows/forms/forms.h"
#include "windows/forms/message_box.h"
#include "windows/main/shell.h"

#include <QList>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>

namespace kx {

class MainWindow;

// The program's main file in its folder.
inline const QString MainName = QStringLiteral("47-318-xx.ini");

// Records every message box and question; a box's answer is always OK, a
// question's the next of `answers`, else Discard where it offers it, else
// its escape button.
class ScriptedMessageBox final : public MessageBoxSeam
{
public:
    struct Shown
    {
        QString text;
        QString title;
        QString informative;
    };
    void show(QWidget* parent, const QString& text, const QString& title,
              const QString& informative) override;
    struct Question
    {
        QString text;
        QStringList buttons;
    };
    int ask(QWidget* parent, const QString& text, const QString& title, const QStringList& buttons,
            int escapeButton) override;

    QList<Shown> shown;
    QList<Question> asked;
    std::deque<int> answers;
    // Runs while the box is "open", e.g. to tick a timer as the real modal loop would.
    std::function<void(const Shown&)> whileOpen;
};

// Answers the common dialogs from a queue; an empty queue answers cancel.
class ScriptedDialogs final : public DialogBackend
{
public:
    void answerFile(const QString& path);
    void answerCancel();
    void answerPrinterPdf(const QString& pdfPath);
    // The OK of a text dialog, with the text it then holds.
    void answerText(const QString& text);

    std::optional<QString> openFileName(QWidget* parent, const QString& title,
                                        const QString& qtFilter, const QString& folder) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& title,
                                        const QString& qtFilter, const QString& folder,
                                        const QString& suggestedName) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& text) override;

    struct Asked
    {
        QString kind; // "open", "save" or "printer"
        QString title;
        QString filter;
        QString folder;
    };
    QList<Asked> asked;
    // What the last text dialog said and offered.
    QString askedLabel;
    QString offeredText;
    // Runs while a dialog is "open", e.g. to tick the timers as the real
    // dialog's event loop would.
    std::function<void()> whileOpen;

private:
    struct Answer
    {
        enum Kind { File, Cancel, PrinterPdf, Text } kind;
        QString path; // or the text
    };
    std::optional<Answer> next();
    std::deque<Answer> answers_;
};

// A program folder in a temporary directory, filled with fixture files, and
// a registry with every subsystem installed and scripted seams.
class TestProgram
{
public:
    // Copies tests/fixtures/program/* into the folder.
    TestProgram();
    // Copies only the named files of tests/fixtures/program.
    explicit TestProgram(const QStringList& fixtureFiles);
    ~TestProgram();

    QString path(const QString& name) const;
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    void removeFile(const QString& name) const;

    // Ends the program and makes a new one on the same folders, as a new run
    // would, reading its text files from `textFolder` (empty: the program folder).
    void restart(const QString& textFolder = QString());
    // Creates, loads and shows the main window, as the program's start does.
    MainWindow& start();
    MainWindow& main();
    // Starts with `language`.ini (Deutsch, English, ...) named in the main
    // file, its timers held.
    MainWindow& startIn(const QString& language);
    // Chooses a language item of the menu and lets the switch happen; the
    // new main window, its timers held.
    MainWindow& switchLanguage(const char* item);
    // Load, Save and Open order code, their dialogs answered with `answer`;
    // Save replaces a file already there, as the user says Replace.
    void load(const QString& answer);
    void save(const QString& answer);
    void openCode(const QString& answer);
    // Stops the timers so that a test ticks them by hand.
    void holdTimers();
    // Lets deferred deletions and other posted events run.
    static void settle();

    QTemporaryDir folder;
    // The user's settings and data ($XDG_CONFIG_HOME, $XDG_DATA_HOME), a fresh
    // pair for each program.
    QTemporaryDir home;
    ScriptedMessageBox boxes;
    ScriptedDialogs dialogs;
    // The last step of replacing a file; empty: QSaveFile's own.
    FileCommit commit;
    int quitCount = 0;
    std::unique_ptr<Forms> forms;
    std::unique_ptr<Shell> shell;

    BeltDocument& document() const { return forms->document(); }
    const Wording& wording() const { return forms->wording(); }
    MainWindow* loadedMain() const { return shell->loadedMain(); }

private:
    void setUp();
    void makeForms(const QString& textFolder);
};

// Records, by name, every widget of a window that paints.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget* window);
    QStringList painted;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Makes writing a regular file fail once it would grow past the given size,
// as on a full disk, for as long as it lives.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(unsigned long bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    unsigned long saved_ = 0;
    void (*previous_)(int) = nullptr;
};

// Ticks the three timers of the main window as their 100 ms would, then
// lets the repaints they asked for happen.
void tickAllTimers(MainWindow& main, int times);

} // namespace kx
