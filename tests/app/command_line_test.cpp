#include "app/command_line.h"
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
    const auto row = [](const char* name, QStringList arguments, Stage stage) -> QTestData& {
        return QTest::newRow(name) << (QStringList{u"kx-konfigurator"_s} + arguments) << stage;
    };
    row("nothing", {}, Stage::AfterGui) << -1 << QString() << QString();
    row("a file in the current folder", {u"belt.dat"_s}, Stage::AfterGui)
        << -1 << QString() << here + u"/belt.dat"_s;
    row("a file by its path", {u"/tmp/a b/../belt.dat"_s}, Stage::AfterGui)
        << -1 << QString() << u"/tmp/belt.dat"_s;
    row("a file that looks like an option", {u"--"_s, u"-x.dat"_s}, Stage::AfterGui)
        << -1 << QString() << here + u"/-x.dat"_s;
    row("--help", {u"--help"_s}, Stage::BeforeGui)
        << 0 << u"Usage: kx-konfigurator [options] [file]"_s << QString();
    row("-h among Qt's options", {u"-platform"_s, u"xcb"_s, u"-h"_s}, Stage::BeforeGui)
        << 0 << u"  -v, --version       Show the version and end."_s << QString();
    row("--version", {u"--version"_s}, Stage::BeforeGui)
        << 0 << u"KX-Konfigurator "_s KX_VERSION << QString();
    row("a file among Qt's options", {u"-platform"_s, u"xcb"_s, u"belt.dat"_s}, Stage::BeforeGui)
        << -1 << QString() << QString();
    row("an unknown option", {u"--bogus"_s}, Stage::AfterGui)
        << 2 << u"Unknown option 'bogus'."_s << QString();
    row("two files", {u"a.dat"_s, u"b.dat"_s}, Stage::AfterGui)
        << 2 << u"Try 'kx-konfigurator --help'."_s << QString();
    row("a datasheet without its output", {u"--datasheet"_s, u"belt.dat"_s}, Stage::AfterGui)
        << 2 << u"--datasheet and --output go together."_s << QString();
    row("an output without a datasheet", {u"--output"_s, u"belt.pdf"_s}, Stage::AfterGui)
        << 2 << u"--datasheet and --output go together."_s << QString();
    row("a datasheet and a file to open",
        {u"--datasheet"_s, u"a.dat"_s, u"--output"_s, u"a.pdf"_s, u"b.dat"_s}, Stage::AfterGui)
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
    QTest::newRow("width 60") << QByteArray("oKX60-300-R\r\n")
                              << QStringList{u"belt.dat: "_s, u"60"_s};
    QTest::newRow("15 pieces") << QByteArray("mKX40-1600-R-AG-13G-EG\r\n")
                               << QStringList{u"belt.dat: "_s, u"15"_s, u"14"_s};
    QTest::newRow("empty") << QByteArray() << QStringList{u"belt.dat: "_s};
    // A reason about the output: belt.pdf is a named pipe.
    QTest::newRow("onto a named pipe")
        << QByteArray("oKX80-700-L\r\n") << QStringList{u"belt.pdf: "_s};
    QTest::newRow("pieces of another length") << QByteArray("mKX40-999-R-AG-G-EV\r\n")
                                              << QStringList{u"belt.dat: "_s, u"999"_s, u"400"_s};
    QTest::newRow("begin piece alone") << QByteArray("mKX40-150-R-AG-\r\n") << QStringList();
    QTest::newRow("no piece") << QByteArray("mKX40-0-L-\r\n")
                              << QStringList{u"belt.dat: "_s, u"Datenblatt"_s};
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
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       folder.filePath(QStringLiteral("config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder.filePath(QStringLiteral("data")));
    QDir(folder.path()).mkdir(QStringLiteral("runtime"));
    QFile::setPermissions(folder.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"),
                       folder.filePath(QStringLiteral("runtime")));
    program.setProcessEnvironment(environment);
    // Relative names: the program changes its current folder as it starts.
    program.setWorkingDirectory(folder.path());
    program.start(QStringLiteral(KX_PROGRAM),
                  {QStringLiteral("--datasheet"), QStringLiteral("belt.dat"),
                   QStringLiteral("--output"), QStringLiteral("belt.pdf")});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
    struct stat output
    {
    };
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
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode"); // not 0: the answer is on the error output
    QTest::addColumn<QString>("answer");
    QTest::newRow("--help") << QStringList{u"--help"_s} << 0
                            << u"Usage: kx-konfigurator [options] [file]"_s;
    QTest::newRow("--version") << QStringList{u"--version"_s} << 0 << "KX-Konfigurator " KX_VERSION;
    // Said plainly rather than left to the toolkit, which aborts.
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s} << 2 << "Unknown option 'bogus'.";
    QTest::newRow("a window without a display")
        << QStringList{u"belt.dat"_s} << 1
        << "kx-konfigurator: no display found; --datasheet needs none.";
}

// The real program, with no display and no platform named.
void CommandLineTest::answersWithoutDisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, answer);
    QProcess program;
    QProcessEnvironment environment = withoutDisplay();
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KX_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QByteArray shown = program.readAllStandardOutput();
    const QByteArray errors = program.readAllStandardError();
    QCOMPARE((exitCode == 0 ? errors : shown), QByteArray());
    QVERIFY2(QString::fromLocal8Bit(exitCode == 0 ? shown : errors)
                 .split(QLatin1Char('\n'))
                 .contains(answer),
             (exitCode == 0 ? shown : errors).constData());
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
