#include "rules/user_folders.h"
#include "test_program.h"
#include "windows/main/main_window.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace kx;
using namespace Qt::StringLiterals;

namespace {
QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// A start as the program makes it where the program folder cannot be written.
MainWindow& startReadOnly(TestProgram& program)
{
    const QString user = userTextFolder();
    const QString chosen = prepareTextFolder(program.folder.path(), user, false);
    if (chosen != user)
        qFatal("the user's folder was not chosen: %s", qPrintable(chosen));
    program.restart(user);
    MainWindow& main = program.start();
    program.holdTimers();
    return main;
}

} // namespace

class UserFoldersTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void writableProgramFolderIsUsed();
    void unusableUserFolder_data();
    void unusableUserFolder();
    void readOnlyProgramFolder();
    void firstStartLanguage_data();
    void firstStartLanguage();
    void dialogFolder_data();
    void dialogFolder();
};

// The user's locale picks the first copy's language: none, unless a test sets it.
void UserFoldersTest::initTestCase()
{
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        qunsetenv(name);
    qputenv("LANG", "C.UTF-8");
}

void UserFoldersTest::writableProgramFolderIsUsed()
{
    TestProgram program;
    const QString user = userTextFolder();
    QCOMPARE(prepareTextFolder(program.folder.path(), user, true), program.folder.path());
    QVERIFY(!QFileInfo::exists(user));
    QVERIFY(canRewriteTextFiles(program.folder.path()));
}

void UserFoldersTest::unusableUserFolder_data()
{
    QTest::addColumn<QString>("inTheWay"); // a file, or a folder ending in '/'
    QTest::newRow("the user's folder is a file") << "";
    QTest::newRow("the main text file cannot be copied there") << "47-318-xx.ini/";
}

// Without copies the program reads its installed files, as it always did.
void UserFoldersTest::unusableUserFolder()
{
    QFETCH(QString, inTheWay);
    TestProgram program;
    const QString user = userTextFolder();
    const QString blocker = QDir(user).filePath(inTheWay);
    if (inTheWay.isEmpty()) {
        QVERIFY(QDir().mkpath(QFileInfo(user).path()));
        writeBytes(user, "in the way");
    } else {
        QVERIFY(QDir().mkpath(blocker));
    }
    QCOMPARE(prepareTextFolder(program.folder.path(), user, false), program.folder.path());
}

// The user's folder is filled from the installed files, the language
// switches there, and a newer install reaches it without undoing the choice.
void UserFoldersTest::readOnlyProgramFolder()
{
    TestProgram program;
    const QByteArray installedMain = program.readFile(MainName);
    const QDir user(userTextFolder());
    QCOMPARE(user.dirName(), QStringLiteral("kx-konfigurator"));

    MainWindow* main = &startReadOnly(program);
    for (const QString& name : QDir(program.folder.path()).entryList({QStringLiteral("*.ini")}))
        QCOMPARE(readBytes(user.filePath(name)), program.readFile(name));
    QCOMPARE(main->fileMenuItem->text(), QStringLiteral("Datei"));

    main = &program.switchLanguage("sprache2");
    QVERIFY(program.boxes.shown.isEmpty());
    QCOMPARE(main->fileMenuItem->text(), QStringLiteral("File"));
    QVERIFY(readBytes(user.filePath(MainName)).endsWith("[SPRACHE]\r\nEnglish.ini\r\n"));
    QCOMPARE(program.readFile(MainName), installedMain);

    // An upgrade: new words for English and a new main text file.
    program.writeFile(
        QStringLiteral("English.ini"),
        program.readFile(QStringLiteral("English.ini")).replace("\r\nFile\r\n", "\r\nFile 2\r\n"));
    program.writeFile(MainName, "; 2\r\n" + installedMain);
    main = &startReadOnly(program);
    QCOMPARE(main->fileMenuItem->text(), QStringLiteral("File 2"));
    QCOMPARE(readBytes(user.filePath(MainName)),
             "; 2\r\n" + QByteArray(installedMain).replace("Deutsch.ini", "English.ini"));

    // The same install again leaves the user's own words and choice alone.
    writeBytes(user.filePath(QStringLiteral("English.ini")),
               readBytes(user.filePath(QStringLiteral("English.ini")))
                   .replace("\r\nFile 2\r\n", "\r\nMine\r\n"));
    main = &startReadOnly(program);
    QCOMPARE(main->fileMenuItem->text(), QStringLiteral("Mine"));

    main = &program.switchLanguage("sprache1");
    QCOMPARE(main->fileMenuItem->text(), QStringLiteral("Datei"));
    QVERIFY(program.boxes.shown.isEmpty());
}

void UserFoldersTest::firstStartLanguage_data()
{
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("installed");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("menu");
    row("English locale, German installed", "en_US.UTF-8", "Deutsch.ini", "English.ini", "File");
    row("German locale, English installed", "de_DE.UTF-8", "English.ini", "Deutsch.ini", "Datei");
}

// The user's first copy follows the locale, not the installed choice; a
// later start in another locale keeps it.
void UserFoldersTest::firstStartLanguage()
{
    QFETCH(QString, lang);
    QFETCH(QString, installed);
    QFETCH(QString, chosen);
    QFETCH(QString, menu);
    TestProgram program;
    program.writeFile(MainName,
                      program.readFile(MainName).replace("Deutsch.ini", installed.toLatin1()));
    qputenv("LANG", lang.toLatin1());
    MainWindow* main = &startReadOnly(program);
    qputenv("LANG", "C.UTF-8");
    QCOMPARE(main->fileMenuItem->text(), menu);
    QVERIFY(readBytes(QDir(userTextFolder()).filePath(MainName))
                .endsWith("[SPRACHE]\r\n" + chosen.toLatin1() + "\r\n"));

    main = &startReadOnly(program);
    QCOMPARE(main->fileMenuItem->text(), menu);
}

void UserFoldersTest::dialogFolder_data()
{
    QTest::addColumn<bool>("readOnlyInstall");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("expected");

    QTest::newRow("first start, writable program folder") << false << QStringList() << "program";
    QTest::newRow("first start, read-only program folder") << true << QStringList() << "documents";
    QTest::newRow("first start, read-only, no documents folder")
        << true << QStringList{u"remove documents"_s} << u"home"_s;
    QTest::newRow("after a save") << false << QStringList{u"save a"_s} << u"a"_s;
    row("after a save, in a new run", true, listOf(u"save a|restart"_s), "a");
    QTest::newRow("after a load") << false << QStringList{u"save a"_s, u"load b"_s} << "b";
    QTest::newRow("a failed load is not remembered")
        << false << QStringList{u"save a"_s, u"load missing"_s} << "a";
    QTest::newRow("a cancelled save is not remembered")
        << false << QStringList{u"save a"_s, u"cancel save"_s} << "a";
    QTest::newRow("a folder that is gone")
        << true << QStringList{u"save a"_s, u"remove a"_s} << "documents";
}

void UserFoldersTest::dialogFolder()
{
    QFETCH(bool, readOnlyInstall);
    QFETCH(QStringList, steps);
    QFETCH(QString, expected);

    TestProgram program;
    const QDir home(program.home.path());
    const QString documents = home.filePath(QStringLiteral("Dokumente"));
    QVERIFY(QDir().mkpath(documents));
    QVERIFY(QDir().mkpath(home.filePath(QStringLiteral("config"))));
    writeBytes(home.filePath(QStringLiteral("config/user-dirs.dirs")),
               "XDG_DOCUMENTS_DIR=\"" + QFile::encodeName(documents) + "\"\n");
    for (const char* folder : {"a", "b"})
        QVERIFY(home.mkdir(QString::fromLatin1(folder)));
    writeBytes(home.filePath(QStringLiteral("b/belt.dat")), "oKX40-300-R\r\n");

    auto begin = [&] {
        if (readOnlyInstall)
            startReadOnly(program);
        else {
            program.restart();
            program.start();
            program.holdTimers();
        }
    };
    begin();
    for (const QString& step : std::as_const(steps)) {
        const QString what = step.section(QLatin1Char(' '), 0, 0);
        const QString where = step.section(QLatin1Char(' '), 1);
        MainWindow& main = program.main();
        if (what == QLatin1String("save")) {
            main.newPlainAction->trigger();
            main.Timer_Antrieb_Timer();
            program.save(home.filePath(where + QStringLiteral("/belt.dat")));
        } else if (what == QLatin1String("load")) {
            program.load(home.filePath(where + QStringLiteral("/belt.dat")));
        } else if (what == QLatin1String("cancel")) {
            main.saveAction->trigger();
        } else if (what == QLatin1String("remove")) {
            QVERIFY(QDir(where == QLatin1String("documents") ? documents : home.filePath(where))
                        .removeRecursively());
        } else if (what == QLatin1String("restart")) {
            begin();
        }
    }

    const QString folder = expected == QLatin1String("program")     ? program.folder.path()
                           : expected == QLatin1String("documents") ? documents
                           : expected == QLatin1String("home")      ? QDir::homePath()
                                                                    : home.filePath(expected);
    program.dialogs.asked.clear();
    program.main().newPlainAction->trigger();
    program.main().Timer_Antrieb_Timer();
    // The datasheet first: its dialog shares the load's and the save's.
    program.main().datasheetAction->trigger();
    program.main().openAction->trigger();
    program.main().saveAction->trigger();
    QCOMPARE(program.dialogs.asked.size(), 3);
    for (const auto& asked : std::as_const(program.dialogs.asked))
        QCOMPARE(asked.folder, folder);
}

QTEST_MAIN(UserFoldersTest)
#include "user_folders_test.moc"
