#include "test_program.h"

#include "windows/main/main_window.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QSaveFile>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <csignal>
#include <stdexcept>

#include <sys/resource.h>

namespace kx {

void ScriptedMessageBox::show(QWidget*, const QString& text, const QString& title,
                              const QString& informative)
{
    shown.append(Shown{text, title, informative});
    if (whileOpen)
        whileOpen(shown.constLast());
}

int ScriptedMessageBox::ask(QWidget*, const QString& text, const QString&,
                            const QStringList& buttons, int escapeButton)
{
    asked.append(Question{text, buttons});
    if (answers.empty()) {
        // Unscripted, a changed belt is let go, as the steps of tests that
        // do not ask about it expect.
        for (const QString& discard : {QStringLiteral("Verwerfen"), QStringLiteral("Discard")})
            if (const qsizetype i = buttons.indexOf(QLatin1Char('&') + discard); i >= 0)
                return int(i);
        return escapeButton;
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedDialogs::answerFile(const QString& path)
{
    answers_.push_back(Answer{Answer::File, path});
}

void ScriptedDialogs::answerCancel()
{
    answers_.push_back(Answer{Answer::Cancel, QString()});
}

void ScriptedDialogs::answerPrinterPdf(const QString& pdfPath)
{
    answers_.push_back(Answer{Answer::PrinterPdf, pdfPath});
}

std::optional<ScriptedDialogs::Answer> ScriptedDialogs::next()
{
    if (whileOpen)
        whileOpen();
    if (answers_.empty())
        return std::nullopt;
    Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<QString> ScriptedDialogs::openFileName(QWidget*, const QString& title,
                                                     const QString& qtFilter, const QString& folder)
{
    asked.append(Asked{QStringLiteral("open"), title, qtFilter, folder});
    const auto answer = next();
    if (!answer || answer->kind != Answer::File)
        return std::nullopt;
    return answer->path;
}

std::optional<QString> ScriptedDialogs::saveFileName(QWidget*, const QString& title,
                                                     const QString& qtFilter, const QString& folder,
                                                     const QString&)
{
    asked.append(Asked{QStringLiteral("save"), title, qtFilter, folder});
    const auto answer = next();
    if (!answer || answer->kind != Answer::File)
        return std::nullopt;
    return answer->path;
}

bool ScriptedDialogs::choosePrinter(QWidget*, QPrinter& printer)
{
    asked.append(Asked{QStringLiteral("printer"), QString(), QString(), QString()});
    const auto answer = next();
    if (!answer || answer->kind != Answer::PrinterPdf)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(answer->path);
    return true;
}

void ScriptedDialogs::answerText(const QString& text)
{
    answers_.push_back(Answer{Answer::Text, text});
}

std::optional<QString> ScriptedDialogs::askText(QWidget*, const QString& title,
                                                const QString& label, const QString& text)
{
    asked.append(Asked{QStringLiteral("text"), title, QString(), QString()});
    askedLabel = label;
    offeredText = text;
    const auto answer = next();
    if (!answer || answer->kind != Answer::Text)
        return std::nullopt;
    return answer->path;
}

PaintCounter::PaintCounter(QWidget* window)
{
    window->installEventFilter(this);
    for (QWidget* child : window->findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool PaintCounter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint)
        painted.append(watched->objectName());
    return false;
}

FileSizeLimit::FileSizeLimit(unsigned long bytes)
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    saved_ = limit.rlim_cur;
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = saved_;
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previous_);
}

TestProgram::TestProgram()
{
    const QDir source(fixturePath(QStringLiteral("program")));
    for (const QString& name : source.entryList(QDir::Files))
        QFile::copy(source.filePath(name), path(name));
    setUp();
}

TestProgram::TestProgram(const QStringList& fixtureFiles)
{
    for (const QString& name : fixtureFiles)
        if (!QFile::copy(fixturePath(QStringLiteral("program/") + name), path(name)))
            throw std::runtime_error("missing fixture " + name.toStdString());
    setUp();
}

TestProgram::~TestProgram()
{
    shell.reset();
    forms.reset();
    settle();
}

void TestProgram::setUp()
{
    if (!folder.isValid() || !home.isValid())
        throw std::runtime_error("no temporary folder");
    qputenv("XDG_CONFIG_HOME",
            QFile::encodeName(QDir(home.path()).filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(QDir(home.path()).filePath(QStringLiteral("data"))));
    // Copied fixtures may be read-only in the source tree.
    const QDir dir(folder.path());
    for (const QString& name : dir.entryList(QDir::Files))
        QFile::setPermissions(dir.filePath(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    makeForms(QString());
}

void TestProgram::restart(const QString& textFolder)
{
    shell.reset();
    forms.reset();
    settle();
    makeForms(textFolder);
}

void TestProgram::makeForms(const QString& textFolder)
{
    Platform platform;
    platform.messageBox = &boxes;
    platform.dialogs = &dialogs;
    platform.quit = [this] { ++quitCount; };
    platform.devicePixelRatio = 1.0;
    platform.textFolder = textFolder;
    platform.fileCommit = [this](QSaveFile& file) { return commit ? commit(file) : file.commit(); };
    forms = std::make_unique<Forms>(folder.path(), platform);
    shell = std::make_unique<Shell>(*forms);
}

QString TestProgram::path(const QString& name) const
{
    return QDir(folder.path()).filePath(name);
}

void TestProgram::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + name.toStdString());
}

QByteArray TestProgram::readFile(const QString& name) const
{
    QFile file(path(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TestProgram::removeFile(const QString& name) const
{
    QFile::remove(path(name));
}

MainWindow& TestProgram::start()
{
    return shell->start();
}

MainWindow& TestProgram::main()
{
    return shell->main();
}

MainWindow& TestProgram::startIn(const QString& language)
{
    writeFile(MainName, readFile(MainName).replace("Deutsch.ini", language.toLatin1() + ".ini"));
    MainWindow& window = start();
    holdTimers();
    return window;
}

MainWindow& TestProgram::switchLanguage(const char* item)
{
    holdTimers();
    MainWindow* window = shell->loadedMain();
    window->menuItem(QString::fromLatin1(item))->trigger();
    window->Timer_Umschaltung_Timer();
    settle();
    holdTimers();
    return *shell->loadedMain();
}

void TestProgram::load(const QString& answer)
{
    dialogs.answerFile(answer);
    shell->loadedMain()->openAction->trigger();
}

void TestProgram::save(const QString& answer)
{
    dialogs.answerFile(answer);
    const qsizetype questions = boxes.asked.size();
    boxes.answers.push_back(0);
    shell->loadedMain()->saveAction->trigger();
    if (boxes.asked.size() == questions)
        boxes.answers.pop_back();
}

void TestProgram::openCode(const QString& answer)
{
    dialogs.answerText(answer);
    shell->loadedMain()->openCodeAction->trigger();
}

void TestProgram::holdTimers()
{
    if (MainWindow* window = shell->loadedMain())
        window->stopTimers();
}

void tickAllTimers(MainWindow& main, int times)
{
    for (int i = 0; i < times; ++i) {
        main.Timer_Module_Timer();
        main.Timer_Antrieb_Timer();
        main.Timer_Umschaltung_Timer();
        QCoreApplication::processEvents();
    }
    QTest::qWait(30);
}

void TestProgram::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

} // namespace kx
