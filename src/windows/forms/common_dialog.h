#pragma once

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace kx {

// The platform side of the common dialog: the program uses Qt's dialogs,
// tests answer from a script.
class DialogBackend
{
public:
    virtual ~DialogBackend() = default;
    // Each shows `folder` first and returns the chosen file name, or nothing
    // when the user cancelled. The save dialog offers suggestedName, when
    // given; it does not ask before replacing a file (the commands do).
    virtual std::optional<QString> openFileName(QWidget* parent, const QString& title,
                                                const QString& qtFilter, const QString& folder) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const QString& title,
                                                const QString& qtFilter, const QString& folder,
                                                const QString& suggestedName) = 0;
    // Sets up the printer the next print goes to; false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // A line of text, offered as given; nothing when the user cancelled.
    virtual std::optional<QString> askText(QWidget* parent, const QString& title,
                                           const QString& label, const QString& text) = 0;
};

class QtDialogBackend final : public DialogBackend
{
public:
    std::optional<QString> openFileName(QWidget* parent, const QString& title,
                                        const QString& qtFilter, const QString& folder) override;
    std::optional<QString> saveFileName(QWidget* parent, const QString& title,
                                        const QString& qtFilter, const QString& folder,
                                        const QString& suggestedName) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                                   const QString& text) override;
};

// "Log Files (*.dat)|*.dat|All Files (*.*)|*.*" -> Qt's "desc (pattern);;..." form.
QString qtFileFilter(const QString& filter);

// Open, save and printer dialogs with the properties the commands set.
class CommonDialog : public QObject
{
    Q_OBJECT
public:
    CommonDialog(DialogBackend& backend, QWidget* owner, const QString& name);
    ~CommonDialog() override;

    QString FileName;
    QString DialogTitle;
    QString Filter;
    QString InitDir; // the folder the file dialogs show first; empty: the current one
    bool CancelError = false;

    // FileName receives the chosen path, or stays as it was when cancelled;
    // a cancel is error 32755 when CancelError is set. ShowSave offers
    // FileName as the name to save under.
    void ShowOpen();
    void ShowSave();
    void ShowPrinter();

    // The printer chosen by the last ShowPrinter.
    QPrinter& printer();
    // The window the dialogs belong to.
    QWidget* owner() const { return owner_; }

private:
    void cancelled();

    DialogBackend& backend_;
    QWidget* owner_;
    std::unique_ptr<QPrinter> printer_;
};

} // namespace kx
