#include "command_line.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

using namespace kx;
using Stage = CommandLine::Stage;

Q_DECLARE_METATYPE(kx::CommandLine::Stage)

class CommandLineTest : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void answersWithoutDisplay_data();
    void answersWithoutDisplay();
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
        return QTest::newRow(name) << (QStringList{"kx-konfigurator"} + arguments) << stage;
    };
    row("nothing", {}, Stage::AfterGui) << -1 << QString() << QString();
    row("a file in the current folder", {"belt.dat"}, Stage::AfterGui)
        << -1 << QString() << here + "/belt.dat";
    row("a file by its path", {"/tmp/a b/../belt.dat"}, Stage::AfterGui)
        << -1 << QString() << "/tmp/belt.dat";
    row("a file that looks like an option", {"--", "-x.dat"}, Stage::AfterGui)
        << -1 << QString() << here + "/-x.dat";
    row("--help", {"--help"}, Stage::BeforeGui)
        << 0 << "Usage: kx-konfigurator [options] [file]" << QString();
    row("-h among Qt's options", {"-platform", "xcb", "-h"}, Stage::BeforeGui)
        << 0 << "  -v, --version  Show the version and end." << QString();
    row("--version", {"--version"}, Stage::BeforeGui)
        << 0 << "KX-Konfigurator " KX_VERSION << QString();
    row("a file among Qt's options", {"-platform", "xcb", "belt.dat"}, Stage::BeforeGui)
        << -1 << QString() << QString();
    row("an unknown option", {"--bogus"}, Stage::AfterGui)
        << 2 << "Unknown option 'bogus'." << QString();
    row("two files", {"a.dat", "b.dat"}, Stage::AfterGui)
        << 2 << "Try 'kx-konfigurator --help'." << QString();
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

void CommandLineTest::answersWithoutDisplay_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("answer");
    QTest::newRow("--help") << "--help"
                            << "Usage: kx-konfigurator [options] [file]";
    QTest::newRow("--version") << "--version"
                               << "KX-Konfigurator " KX_VERSION;
}

// The real program, with no display and no platform named.
void CommandLineTest::answersWithoutDisplay()
{
    QFETCH(QString, option);
    QFETCH(QString, answer);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KX_PROGRAM), {option});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY(QString::fromLocal8Bit(program.readAllStandardOutput()).split('\n').contains(answer));
    QCOMPARE(program.readAllStandardError(), QByteArray());
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
