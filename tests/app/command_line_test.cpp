#include "app/command_line.h"
#include "table_rows.h"
#include "version.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace kx;
using namespace Qt::StringLiterals;
using Stage = CommandLine::Stage;

Q_DECLARE_METATYPE(kx::CommandLine::Stage)

namespace {
// This process's environment with no display and no platform named.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}
} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
    void datasheetWithoutDisplay_data();
    void datasheetWithoutDisplay();
};

void CommandLineTest::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Stage>("stage");
    QTest::addColumn<int>("exitCode");   // -1: the program starts
    QTest::addColumn<QString>("answer"); // a line the answer holds
    QTest::addColumn<QString>("beltFile");

    const QString here = QDir::currentPath();
    const auto row = [](const char* name, std::initializer_list<const char*> arguments,
                        Stage stage) -> QTestData& {
        QStringList line{u"kx-konfigurator"_s};
        for (const char* argument : arguments)
            line << QString::fromUtf8(argument);
        return QTest::newRow(name) << line << stage;
    };
    row("nothing", {}, Stage::AfterGui) << -1 << QString() << QString();
    row("a file in the current folder", {"belt.dat"}, Stage::AfterGui)
        << -1 << QString() << here + u"/belt.dat"_s;
    row("a file by its path", {"/tmp/a b/../belt.dat"}, Stage::AfterGui)
        << -1 << QString() << "/tmp/belt.dat";
    row("a file that looks like an option", {"--", "-x.dat"}, Stage::AfterGui)
        << -1 << QString() << here + u"/-x.dat"_s;
    row("--help", {"--help"}, Stage::BeforeGui)
        << 0 << "Usage: kx-konfigurator [options] [file]" << QString();
    row("-h among Qt's options", {"-platform", "xcb", "-h"}, Stage::BeforeGui)
        << 0 << "  -v, --version       Show the version and end." << QString();
    row("--version", {"--version"}, Stage::BeforeGui)
        << 0 << "KX-Konfigurator " KX_VERSION << QString();
    row("a file among Qt's options", {"-platform", "xcb", "belt.dat"}, Stage::BeforeGui)
        << -1 << QString() << QString();
    row("an unknown option", {"--bogus"}, Stage::AfterGui)
        << 2 << "Unknown option 'bogus'." << QString();
    row("two files", {"a.dat", "b.dat"}, Stage::AfterGui)
        << 2 << "Try 'kx-konfigurator --help'." << QString();
    row("a datasheet without its output", {"--datasheet", "belt.dat"}, Stage::AfterGui)
        << 2 << "--datasheet and --output go together." << QString();
    row("an output without a datasheet", {"--output", "belt.pdf"}, Stage::AfterGui)
        << 2 << "--datasheet and --output go together." << QString();
    row("a datasheet and a file to open", {"--datasheet", "a.dat", "--output", "a.pdf", "b.dat"},
        Stage::AfterGui)
        << 2 << "A datasheet is written from --datasheet, not from b.dat." << QString();
}

void CommandLineTest::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Stage, stage);
    QFETCH(int, exitCode);
    QFETCH(QString, answer);
    QFETCH(QString, beltFile);

    const CommandLine line = parseCommandLine(arguments, stage);
    QCOMPARE(line.answerOnly, exitCode >= 0);
    if (line.answerOnly) {
        QCOMPARE(line.exitCode, exitCode);
        QVERIFY2(line.answer.split(QLatin1Char('\n')).contains(answer), qPrintable(line.answer));
    }
    QCOMPARE(line.beltFile, beltFile);
}

void CommandLineTest::datasheetWithoutDisplay_data()
{
    // A belt file's line; the values its failure's reason names.
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("reason");
    QTest::newRow("modular") << QByteArray("mKX40-600-R-AG-2GC-EV\r\n") << QStringList();
    QTest::newRow("plain") << QByteArray("oKX80-700-L\r\n") << QStringList();
    row("width 60", QByteArray("oKX60-300-R\r\n"), QStringList{u"belt.dat: "_s, u"60"_s});
    QTest::newRow("15 pieces") << QByteArray("mKX40-1600-R-AG-13G-EG\r\n")
                               << QStringList{u"belt.dat: "_s, u"15"_s, u"14"_s};
    QTest::newRow("empty") << QByteArray() << QStringList{u"belt.dat: "_s};
    // A reason about the output: belt.pdf is a named pipe.
    row("onto a named pipe", QByteArray("oKX80-700-L\r\n"),
        QStringList{u"belt.pdf: "_s,
                    u"keine gewöhnliche Datei (ein Ordner, eine Pipe oder ein Gerät)"_s});
    row("pieces of another length", QByteArray("mKX40-999-R-AG-G-EV\r\n"),
        QStringList{u"belt.dat: "_s, u"999"_s, u"400"_s});
    QTest::newRow("begin piece alone") << QByteArray("mKX40-150-R-AG-\r\n") << QStringList();
    row("no piece", QByteArray("mKX40-0-L-\r\n"), QStringList{u"belt.dat: "_s, u"Datenblatt"_s});
}

// The real program, with no display, in its folder's language: a datasheet
// for a good file, the load's reason and a failed status for a bad one.
void CommandLineTest::datasheetWithoutDisplay()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, reason);
    const bool ontoPipe = reason.value(0) == QLatin1String("belt.pdf: ");
    QTemporaryDir folder;
    QFile belt(folder.filePath(QStringLiteral("belt.dat")));
    QVERIFY(belt.open(QIODevice::WriteOnly) && belt.write(file) == file.size());
    belt.close();
    const QByteArray pdf = QFile::encodeName(folder.filePath(QStringLiteral("belt.pdf")));
    if (ontoPipe)
        QCOMPARE(mkfifo(pdf.constData(), 0600), 0);

    QProcess program;
    QProcessEnvironment environment = withoutDisplay();
    environment.insert(u"XDG_CONFIG_HOME"_s, folder.filePath(u"config"_s));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder.filePath(QStringLiteral("data")));
    QDir(folder.path()).mkdir(QStringLiteral("runtime"));
    QFile::setPermissions(folder.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(u"XDG_RUNTIME_DIR"_s, folder.filePath(u"runtime"_s));
    program.setProcessEnvironment(environment);
    // Relative names: the program changes its current folder as it starts.
    program.setWorkingDirectory(folder.path());
    program.start(QStringLiteral(KX_PROGRAM),
                  {u"--datasheet"_s, u"belt.dat"_s, u"--output"_s, u"belt.pdf"_s});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    struct stat output = {};
    const bool written = stat(pdf.constData(), &output) == 0 && S_ISREG(output.st_mode);
    if (reason.isEmpty()) {
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(written);
        return;
    }
    QCOMPARE(program.exitCode(), 1);
    QVERIFY(!written);
    QCOMPARE(ontoPipe, S_ISFIFO(output.st_mode));
    QVERIFY2(errors.startsWith(QStringLiteral("kx-konfigurator: ") + reason.constFirst()),
             qPrintable(errors));
    for (const QString& value : std::as_const(reason))
        QVERIFY2(errors.contains(value), qPrintable(errors));
    QCOMPARE(errors.count(QLatin1Char('\n')), 1);
}

void CommandLineTest::answersWithoutDisplay_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("exitCode"); // not 0: the answer is on the error output
    QTest::addColumn<QString>("answer");
    QTest::newRow("--help") << "--help" << 0 << "Usage: kx-konfigurator [options] [file]";
    QTest::newRow("--version") << "--version" << 0 << "KX-Konfigurator " KX_VERSION;
    // Said plainly rather than left to the toolkit, which aborts.
    QTest::newRow("unknown option") << "--bogus" << 2 << "Unknown option 'bogus'.";
    row("a window without a display", "belt.dat", 1,
        "kx-konfigurator: no display found; --datasheet needs none.");
}

// The real program, with no display and no platform named.
void CommandLineTest::answersWithoutDisplay()
{
    QFETCH(QString, option);
    QFETCH(int, exitCode);
    QFETCH(QString, answer);
    QProcess program;
    QProcessEnvironment environment = withoutDisplay();
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KX_PROGRAM), {option});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QByteArray shown = program.readAllStandardOutput();
    const QByteArray errors = program.readAllStandardError();
    QCOMPARE(exitCode == 0 ? errors : shown, QByteArray());
    const QString said = QString::fromLocal8Bit(exitCode == 0 ? shown : errors);
    QVERIFY2(said.split(u'\n').contains(answer), qPrintable(said));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
