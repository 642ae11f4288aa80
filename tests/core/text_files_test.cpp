#include "rules/run_error.h"
#include "rules/text_files.h"
#include "rules/text_pass_parser.h"
#include "table_rows.h"
#include "text_lines.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kx;
using namespace Qt::StringLiterals;
using Property = TextAssignment::Property;

Q_DECLARE_METATYPE(kx::TextEncoding)

namespace {
const QString MainName = QStringLiteral("47-318-xx.ini");

// Two languages, the list closed by "xxx": five assignments before the
// language file's own.
const QStringList DefaultMain = {QStringLiteral("[AUSWAHL]"), QStringLiteral("Deutsch"),
                                 QStringLiteral("English"),   QStringLiteral("xxx"),
                                 QStringLiteral("[SPRACHE]"), QStringLiteral("Test.ini")};

struct Files
{
    QHash<QString, QByteArray> bytes;

    TextFileReader reader() const
    {
        return [this](const QString& name) {
            const auto it = bytes.constFind(name);
            if (it == bytes.constEnd())
                throw RunError(RunError::FileNotFound);
            return decodeTextFile(*it);
        };
    }
};

TextPassOutcome parse(Wording& v, const QByteArray& language,
                      const QByteArray& main = crlf(DefaultMain))
{
    Files files;
    files.bytes.insert(MainName, main);
    files.bytes.insert(QStringLiteral("Test.ini"), language);
    return parseTextPass(v, files.reader());
}

// The language file's own assignments, after the five language items.
QList<TextAssignment> sectionAssignments(const TextPassOutcome& outcome)
{
    return outcome.assignments.mid(5);
}

TextAssignment caption(const char* window, const char* control, const QString& text, int index = -1)
{
    return TextAssignment{QString::fromLatin1(window),
                          QString::fromLatin1(control),
                          index,
                          Property::Caption,
                          text,
                          true};
}

TextAssignment caption(const char* window, const char* control, const char* text, int index = -1)
{
    return caption(window, control, QString::fromUtf8(text), index);
}

TextAssignment shown(const char* window, const char* control, int index = -1)
{
    return TextAssignment{QString::fromLatin1(window),
                          QString::fromLatin1(control),
                          index,
                          Property::Visible,
                          QString(),
                          true};
}

// Window, control and [MENUE] line of each plain row; line 0 marks the two
// example captions built from "beispiele" and their item.
struct MenuRow
{
    const char* window;
    const char* control;
    int line;
};
const MenuRow MenuRows[] = {
    {"wMain", "", 1},
    {"wInfo", "Label_Titel", 1},
    {"woM", "", 2},
    {"wmM", "", 3},
    {"wInfo", "", 4},
    {"wMain", "datei", 5},
    {"wMain", "laden", 6},
    {"wMain", "speichern", 7},
    {"wMain", "drucken", 8},
    {"wMain", "beenden", 9},
    {"wMain", "konfiguration", 10},
    {"wMain", "band_erstellen", 11},
    {"wMain", "band_om", 12},
    {"wMain", "band_rechts", 13},
    {"wMain", "band_links", 14},
    {"wMain", "beispiele", 15},
    {"wMain", "ohne_Module", 16},
    {"wAnsicht_01", "", 0},
    {"wAnsicht_01", "Label_Ansicht01_01", 17},
    {"wAnsicht_01", "Label_Ansicht01_02", 18},
    {"wAnsicht_01", "Label_Ansicht01_03", 19},
    {"wAnsicht_01", "Label_Ansicht01_04", 20},
    {"wAnsicht_01", "Label_Ansicht01_05", 21},
    {"wMain", "mit_Module", 22},
    {"wAnsicht_02", "", 0},
    {"wAnsicht_02", "Label_Ansicht02_01", 23},
    {"wAnsicht_02", "Label_Ansicht02_02", 24},
    {"wAnsicht_02", "Label_Ansicht02_03", 25},
    {"wMain", "extras", 26},
    {"wMain", "sprache", 27},
    {"wMain", "info", 28},
};

QList<TextAssignment> expectedMenu(const QString& prefix)
{
    QList<TextAssignment> expected;
    for (const MenuRow& row : MenuRows) {
        QString text = prefix + QString::number(row.line);
        if (row.line == 0)
            text = prefix + QStringLiteral("15: ") + prefix +
                   (QByteArray(row.window) == "wAnsicht_01" ? QStringLiteral("16")
                                                            : QStringLiteral("22"));
        expected << caption(row.window, row.control, text);
    }
    return expected;
}

QByteArray section(const char* header, const QStringList& lines)
{
    return crlf(QStringList{QString::fromLatin1(header)} + lines);
}

QByteArray section(const char* header, std::initializer_list<const char*> lines)
{
    return section(header, texts(lines));
}

struct stat statOf(const QString& path)
{
    struct stat info
    {
    };
    ::stat(QFile::encodeName(path).constData(), &info);
    return info;
}

// The reason's kind (FailureTextCount: written) of a write in a child that
// is nobody or has the folder mounted read-only in a mount namespace of its
// own; -1 when it cannot become so.
int writeInChild(const QString& path, const QByteArray& folder, bool readOnlyMount)
{
    const pid_t child = fork();
    if (child == 0) {
        const char* f = folder.constData();
        const bool ready =
            readOnlyMount
                ? unshare(CLONE_NEWNS) == 0 &&
                      mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                      mount(f, f, nullptr, MS_BIND, nullptr) == 0 &&
                      mount(nullptr, f, nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) == 0
                : setgroups(0, nullptr) == 0 && setgid(65534) == 0 && setuid(65534) == 0;
        try {
            if (ready)
                writeWholeFile(path, "new");
        } catch (const RunError& error) {
            _exit(error.reason.kind.value_or(FailureTextCount));
        }
        _exit(ready ? FailureTextCount : 255);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) != 255 ? WEXITSTATUS(status) : -1;
}
} // namespace

class TextFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void lineEnds_data();
    void lineEnds();
    void encodings_data();
    void encodings();
    void readingFailures_data();
    void readingFailures();
    void writing_data();
    void writing();
    void failureTexts_data();
    void failureTexts();

    void menuSection();
    void repeatedMenuSection();
    void toolbarSection();
    void otherSection();
    void accessSection_data();
    void accessSection();
    void optionalSections_data();
    void optionalSections();
    void repeatedOptionalSection();
    void messageSection();
    void missingSectionKeepsValues();
    void languageList_data();
    void languageList();
    void failures_data();
    void failures();
    void namesInFolder_data();
    void namesInFolder();
    void sectionCutShort();
    void languageFileForms_data();
    void languageFileForms();

    void rewrite_data();
    void rewrite();
    void arbitraryBytes();
    void singleByteCodePage_data();
    void singleByteCodePage();
};

void TextFilesTest::lineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("CR alone") << QByteArray("a\rb\r") << QStringList{u"a"_s, u"b"_s};
    QTest::newRow("LF alone") << QByteArray("a\nb\n") << QStringList{u"a"_s, u"b"_s};
    row("mixed", QByteArray("a\rb\nc\r\nd"), QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s});
    row("no end after the last line", QByteArray("a\r\nb"), QStringList{u"a"_s, u"b"_s});
    row("LF CR is two ends", QByteArray("a\n\rb"), QStringList{u"a"_s, u""_s, u"b"_s});
    QTest::newRow("empty lines") << QByteArray("\r\n\r\n") << QStringList{u""_s, u""_s};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TextFilesTest::lineEnds()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const TextFile file = decodeTextFile(bytes);
    QCOMPARE(file.lines, lines);
    QCOMPARE(file.rawLines.size(), lines.size());
}

void TextFilesTest::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<bool>("bom");
    QTest::addColumn<QString>("text");
    const QString laenge = QStringLiteral("Bandl\u00e4nge:");
    QTest::newRow("Windows-1252") << QByteArray("Bandl\xe4nge:") << TextEncoding::Windows1252
                                  << false << laenge;
    QTest::newRow("UTF-8") << QByteArray("Bandl\xc3\xa4nge:") << TextEncoding::Utf8 << false
                           << laenge;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf"
                                                  "Bandl\xc3\xa4nge:")
                                    << TextEncoding::Utf8 << true << laenge;
    QTest::newRow("ASCII only") << QByteArray("Bandbreite:") << TextEncoding::Windows1252 << false
                                << QStringLiteral("Bandbreite:");
    QTest::newRow("BOM, ASCII") << QByteArray("\xef\xbb\xbfxxx") << TextEncoding::Utf8 << true
                                << QStringLiteral("xxx");
    // Looks like UTF-8 at first, but the euro sign byte makes it Windows-1252.
    QTest::newRow("invalid UTF-8") << QByteArray("\xc3\xa4 \x80") << TextEncoding::Windows1252
                                   << false << QStringLiteral("\u00c3\u00a4 \u20ac");
}

void TextFilesTest::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(bool, bom);
    QFETCH(QString, text);
    const TextFile file = decodeTextFile(bytes + "\r\n");
    QCOMPARE(file.encoding, encoding);
    QCOMPARE(file.byteOrderMark, bom);
    QCOMPARE(file.lines, QStringList{text});
    QCOMPARE(file.rawLines, QList<QByteArray>{bytes});
    const QByteArray withoutBom = bom ? bytes.mid(3) : bytes;
    QCOMPARE(encodeLine(text, encoding), withoutBom);
}

void TextFilesTest::readingFailures_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("reason");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("missing") << "missing" << 53 << int(FailNoSuchFile) << QStringList{};
    QTest::newRow("a folder") << "folder" << 75 << int(FailNotAFile) << QStringList{};
    // Opened, a pipe without a writer would block for good, a device never end.
    QTest::newRow("a named pipe") << "pipe" << 75 << int(FailNotAFile) << QStringList{};
    QTest::newRow("a device") << "/dev/zero" << 75 << int(FailNotAFile) << QStringList{};
    row("past the limit", u"65 bytes"_s, 75, int(FailTooLarge), QStringList{u"65"_s, u"64"_s});
    QTest::newRow("at the limit") << "64 bytes" << 0 << -1 << QStringList{};
    if (geteuid() != 0) // root reads it all the same
        row("no permission", "unreadable", 75, int(FailAccessDenied), QStringList{});
}

void TextFilesTest::readingFailures()
{
    QFETCH(QString, what);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QString path = dir.filePath(QStringLiteral("t.ini"));
    if (what == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("t.ini")));
    else if (what == QLatin1String("pipe"))
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (what.startsWith(u'/'))
        path = what;
    else if (what != QLatin1String("missing")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(what.section(u' ', 0, 0).toInt(), 'x'));
        if (what == QLatin1String("unreadable"))
            file.setPermissions(QFileDevice::WriteOwner);
    }
    int failure = 0;
    try {
        QCOMPARE(readWholeFile(path, 64).size(), 64);
    } catch (const RunError& error) {
        failure = error.number;
        QTEST(int(error.reason.kind.value_or(FailureTextCount)), "reason");
        QTEST(error.reason.values, "values");
        QCOMPARE(error.reason.subject, QFileInfo(path).fileName());
    }
    QTEST(failure, "failure");
}

void TextFilesTest::writing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before"); // what stands at the name
    QTest::addColumn<int>("reason");     // FailureTextCount: written
    QTest::newRow("no such folder") << u"missing/t.ini"_s << u""_s << int(FailNoSuchFolder);
    QTest::newRow("onto a folder") << u"folder"_s << u""_s << int(FailNotAFile);
    QTest::newRow("onto a named pipe") << u"t.ini"_s << u"pipe"_s << int(FailNotAFile);
    row("through a dangling link", u"t.ini"_s, u"dangling"_s, int(FailDanglingLink));
    row("a read-only file, also for root", u"t.ini"_s, u"0444"_s, int(FailReadOnlyFile));
    QTest::newRow("disk full at the commit") << u"t.ini"_s << u"full"_s << int(FailDiskFull);
    QTest::newRow("the final rename fails") << u"t.ini"_s << u"cancelled"_s << int(FailNotWritten);
    // Root writes anywhere: these run in a child.
    row("a folder without write permission", u"locked/t.ini"_s, u"nobody"_s, int(FailAccessDenied));
    row("a read-only file system", u"t.ini"_s, u"read-only mount"_s, int(FailReadOnlyFileSystem));
    QTest::newRow("a 0640 file keeps its mode") << u"t.ini"_s << u"0640"_s << int(FailureTextCount);
    row("a link stays, its file is replaced", u"t.ini"_s, u"link"_s, int(FailureTextCount));
    QTest::newRow("a file keeps its owner") << u"t.ini"_s << u"nobody's"_s << int(FailureTextCount);
}

void TextFilesTest::writing()
{
    QFETCH(QString, name);
    QFETCH(QString, before);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString path = folder.filePath(name);
    const QByteArray native = QFile::encodeName(path);
    QVERIFY(folder.mkdir(QStringLiteral("folder")) && folder.mkdir(QStringLiteral("locked")));
    QCOMPARE(chmod(QFile::encodeName(dir.path()).constData(), 0711), 0);
    const QByteArray locked = QFile::encodeName(folder.filePath(QStringLiteral("locked")));
    QCOMPARE(chmod(locked.constData(), 0555), 0);
    writeWholeFile(folder.filePath(QStringLiteral("file.ini")), "old");
    if (before == QLatin1String("pipe"))
        QCOMPARE(mkfifo(native.constData(), 0600), 0);
    else if (before == QLatin1String("dangling") || before == QLatin1String("link"))
        QCOMPARE(symlink(before == u"link"_s ? "file.ini" : "gone.ini", native.constData()), 0);
    else if (name == QLatin1String("t.ini"))
        writeWholeFile(path, "old");
    if (before.startsWith(u'0'))
        QCOMPARE(chmod(native.constData(), before.toUInt(nullptr, 8)), 0);
    if (before == QLatin1String("nobody's") && chown(native.constData(), 65534, 65534) != 0)
        QSKIP("only root gives a file away");
    FileCommit commit;
    if (before == QLatin1String("full")) // as a file system that finds out at the end
        commit = [](QSaveFile&) { return errno = ENOSPC, false; };
    else if (before == QLatin1String("cancelled"))
        commit = [](QSaveFile& file) { return file.cancelWriting(), file.commit(); };
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
    const struct stat old = statOf(path);

    int reason = FailureTextCount;
    if (before == QLatin1String("nobody") || before == QLatin1String("read-only mount")) {
        reason =
            writeInChild(path, QFile::encodeName(dir.path()), before != QLatin1String("nobody"));
        if (reason < 0)
            QSKIP("cannot become nobody or mount a folder read-only here");
    } else {
        try {
            writeWholeFile(path, "new", commit);
        } catch (const RunError& error) {
            QCOMPARE(error.number, 75);
            QCOMPARE(error.reason.subject, QFileInfo(name).fileName());
            reason = error.reason.kind.value_or(FailureTextCount);
        }
    }
    QTEST(reason, "reason");
    // Nothing left behind; the name stands for what it stood for, but new.
    QCOMPARE(folder.entryList(QDir::AllEntries | QDir::System | QDir::Hidden), entries);
    QCOMPARE(QFileInfo(path).isSymLink(),
             before == QLatin1String("link") || before == QLatin1String("dangling"));
    const struct stat after = statOf(path);
    QCOMPARE(after.st_mode, old.st_mode);
    QCOMPARE(after.st_uid, old.st_uid);
    if (S_ISREG(after.st_mode))
        QCOMPARE(readWholeFile(path, 64), reason == FailureTextCount ? "new" : "old");
}

void TextFilesTest::failureTexts_data()
{
    QTest::addColumn<QString>("line"); // null: the line as no text pass gave it
    QTest::addColumn<int>("kind");     // -1: no reason, the number alone
    QTest::addColumn<QString>("subject");
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("expected");
    QTest::newRow("German before any text pass")
        << QString() << int(FailWidth) << u"belt.dat"_s << QStringList{u"60"_s}
        << "belt.dat: Breite 60 (ein Band ist 40 oder 80 breit)";
    row("own words, own order", "%2 > %3 in %1", int(FailTooManyPieces), "b.dat",
        QStringList{u"15"_s, u"14"_s}, "15 > 14 in b.dat");
    QTest::newRow("placeholders in a file name stay")
        << u"%1: %2"_s << int(FailWidth) << u"%2%1.dat"_s << QStringList{u"60"_s}
        << u"%2%1.dat: 60"_s;
    QTest::newRow("a long value is cut short")
        << "%2" << int(FailWidth) << "w.dat" << QStringList{QString(40, u'9')}
        << QString(23, u'9') + QChar(0x2026);
    QTest::newRow("unknown placeholders stay") << "%1 %0 %3 100%" << int(FailWidth) << "a.dat"
                                               << QStringList{u"60"_s} << u"a.dat %0 %3 100%"_s;
    row("no reason: the number", QString(), -1, "a.dat", QStringList{}, "a.dat: Fehler 13");
    row("24 characters are shown whole", u"%2"_s, int(FailWidth), u"w.dat"_s,
        QStringList{QString(24, u'9')}, QString(24, u'9'));
    row("nothing shows as quotes", "%1: %2", int(FailWidth), "", QStringList{u""_s}, "\"\": \"\"");
    row("control characters and direction marks show", "%1: %2", int(FailWidth),
        QString::fromUtf16(u"\u202Etad.exe\u200E\u2066\t\r\n"),
        QStringList{QStringLiteral("6") + QChar(0) + QStringLiteral("0\x1b\x7f")},
        "\\u202Etad.exe\\u200E\\u2066\\t\\r\\n: 6\\00\\u001B\\u007F");
    row("a cut value shows what is left", "%2", int(FailWidth), "w.dat",
        QStringList{QString(30, u'\n')},
        QString(23, u'\n').replace(u'\n', QStringLiteral("\\n")) + QChar(0x2026));
}

void TextFilesTest::failureTexts()
{
    QFETCH(QString, line);
    QFETCH(int, kind);
    QFETCH(QString, subject);
    QFETCH(QStringList, values);
    Wording v = germanWording();
    FailureReason reason{std::nullopt, subject, values};
    if (kind >= 0)
        reason.kind = FailureText(kind);
    if (!line.isNull())
        v.failures[std::size_t(kind)] = line;
    QTEST(failureText(reason, 13, v.failures), "expected");
}

void TextFilesTest::menuSection()
{
    Wording v;
    const TextPassOutcome outcome = parse(v, section("[MENUE]", numbered("M", 28)));
    QCOMPARE(outcome.failure, 0);
    QCOMPARE(sectionAssignments(outcome), expectedMenu(QStringLiteral("M")));
}

void TextFilesTest::repeatedMenuSection()
{
    Wording v;
    const TextPassOutcome outcome =
        parse(v, section("[MENUE]", numbered("A", 28)) + section("[TB]", numbered("T", 14)) +
                     section("[MENUE]", numbered("B", 28)));
    QCOMPARE(outcome.failure, 0);
    const QList<TextAssignment> menus = sectionAssignments(outcome).mid(0, 62);
    QCOMPARE(menus, expectedMenu(QStringLiteral("A")) + expectedMenu(QStringLiteral("B")));
}

void TextFilesTest::toolbarSection()
{
    Wording v;
    const TextPassOutcome outcome = parse(v, section("[TB]", numbered("T", 14)));
    QCOMPARE(outcome.failure, 0);
    const int buttons[] = {1, 2, 4, 5, 6, 8, 9};
    QList<TextAssignment> expected;
    for (int line = 1; line <= 14; ++line)
        expected << TextAssignment{QStringLiteral("wmM"),
                                   line <= 7 ? QStringLiteral("Toolbar_Rechts")
                                             : QStringLiteral("Toolbar_Links"),
                                   buttons[(line - 1) % 7],
                                   Property::ToolTip,
                                   QStringLiteral("T%1").arg(line),
                                   true};
    QCOMPARE(sectionAssignments(outcome), expected);
}

void TextFilesTest::accessSection_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QStringList>("texts");

    Wording sample;
    for (const OptionalWords& words : kx::optionalSections(sample)) {
        const QByteArray header = words.header.toLatin1();
        QStringList german, own;
        for (int i = 0; i < words.count; ++i) {
            german << words.germanWord(i);
            own << QStringLiteral("Own %1").arg(i);
        }
        const auto row = [&](const char* name) -> QTestData& {
            return QTest::addRow("%s %s", header.constData(), name) << words.header;
        };
        row("no section") << section("[MSG]", numbered("G", 12)) << german;
        row("whole section") << section(header.constData(), own) << own;
        row("ends at the file's end")
            << section(header.constData(), own.mid(0, 1)) << own.mid(0, 1) + german.mid(1);
        row("ends at an empty line")
            << section(header.constData(), own.mid(0, 1) + QStringList{QString(), u"Lost"_s})
            << own.mid(0, 1) + german.mid(1);
        row("ends at the next header")
            << section(header.constData(), {}) + section("[MSG]", numbered("G", 12)) << german;
    }
    const QStringList german = {u"Bestellnummer"_s, u"Position"_s, u"markiert"_s,
                                u"zum Ersetzen markiert"_s, u"Antrieb"_s};
    const QStringList own = {u"Code"_s, u"Pos"_s, u"grey"_s, u"red"_s, u"Motor"_s};
    QTest::newRow("[BARRIEREFREI] cut after two")
        << QStringLiteral("[BARRIEREFREI]") << section("[BARRIEREFREI]", own.mid(0, 2))
        << own.mid(0, 2) + german.mid(2);
    QTest::newRow("[BARRIEREFREI] empty line after three")
        << QStringLiteral("[BARRIEREFREI]")
        << section("[BARRIEREFREI]", own.mid(0, 3) + QStringList{QString(), u"Lost"_s})
        << own.mid(0, 3) + german.mid(3);
}

// Optional sections may be missing or short: the program's own words stand
// in, also for words an earlier language left.
void TextFilesTest::accessSection()
{
    QFETCH(QString, header);
    QFETCH(QByteArray, language);
    QFETCH(QStringList, texts);
    Wording v;
    const std::vector<OptionalWords> sections = kx::optionalSections(v);
    const auto words = std::find_if(sections.begin(), sections.end(),
                                    [&](const OptionalWords& w) { return w.header == header; });
    QVERIFY(words != sections.end());
    words->texts[words->count - 1] = QStringLiteral("left from an earlier language");
    const TextPassOutcome outcome = parse(v, language);
    QCOMPARE(outcome.failure, 0);
    QStringList read;
    for (int i = 0; i < words->count; ++i)
        read << words->texts[i];
    QCOMPARE(read, texts);
}

void TextFilesTest::otherSection()
{
    Wording v;
    const TextPassOutcome outcome = parse(v, section("[SONSTIGES]", numbered("S", 10)));
    QCOMPARE(outcome.failure, 0);
    QCOMPARE(v.copyCaption, QStringLiteral("S2"));
    const QList<TextAssignment> expected = {
        caption("woM", "Label_Bandlaenge", "S3"),
        caption("wmM", "Label_Bandlaenge", "S3"),
        caption("woM", "Label_Bandlaufrichtung", "S4"),
        caption("wmM", "Label_Bandlaufrichtung", "S4"),
        caption("woM", "Option_Rechts", "S5"),
        caption("wmM", "Option_Rechts", "S5"),
        caption("woM", "Option_Links", "S6"),
        caption("wmM", "Option_Links", "S6"),
        caption("woM", "Label_Bandbreite", "S7"),
        caption("wmM", "Label_Bandbreite", "S7"),
        caption("wStart", "Command_Start_oM", "S8"),
        caption("wStart", "Command_Start_R", "S9"),
        caption("wStart", "Command_Start_L", "S10"),
    };
    // Line 1 goes nowhere.
    QCOMPARE(sectionAssignments(outcome), expected);
}

void TextFilesTest::optionalSections_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("boxes"); // check boxes that received a caption
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("failure");

    const QStringList sixPairs =
        texts({"Label", "F0", "c0", "F1", "c1", "F2", "c2", "F3", "c3", "F4", "c4", "F5", "c5"});
    const QStringList twoPairs = texts({"Label", "F0", "c0", "F1", "c1", "XXXXX"});
    for (const char* header : {"[OPTIONAL_OM]", "[OPTIONAL_MM]"}) {
        const QString h = QString::fromLatin1(header);
        QTest::addRow("%s six pairs", header) << h << sixPairs << 6 << 6 << 0;
        QTest::addRow("%s two pairs, three fillers", header)
            << h << twoPairs + QStringList{u"f"_s, u"f"_s, u"f"_s} << 2 << 2 << 0;
        QTest::addRow("%s two pairs, two fillers", header)
            << h << twoPairs + QStringList{u"f"_s, u"f"_s} << 2 << 2 << 62;
        QTest::addRow("%s end line first", header)
            << h << QStringList{u"Label"_s, u"XXXXX"_s, u"f"_s, u"f"_s, u"f"_s, u"f"_s, u"f"_s} << 0
            << 0 << 0;
        QTest::addRow("%s cut inside a pair", header)
            << h << QStringList{u"Label"_s, u"F0"_s, u"c0"_s, u"F1"_s} << 2 << 1 << 62;
    }
}

void TextFilesTest::optionalSections()
{
    QFETCH(QString, header);
    QFETCH(QStringList, lines);
    QFETCH(int, boxes);
    QFETCH(int, count);
    QFETCH(int, failure);

    Wording v;
    const TextPassOutcome outcome = parse(v, crlf(QStringList{header} + lines));
    QCOMPARE(outcome.failure, failure);

    const bool plain = header == QLatin1String("[OPTIONAL_OM]");
    const char* window = plain ? "woM" : "wmM";
    const FeatureList& features = plain ? v.plainFeatures : v.modularFeatures;
    QCOMPARE(features.count, count);

    // The modular editor's set-up decides what is shown there.
    QList<TextAssignment> expected = {caption(window, "Label_Optional", "Label")};
    if (plain)
        expected << shown(window, "Label_Optional");
    for (int i = 0; i < boxes; ++i) {
        expected << caption(window, "Check_Optional", QStringLiteral("F%1").arg(i), i);
        if (plain)
            expected << shown(window, "Check_Optional", i);
    }
    for (int i = 0; i < FeatureCount; ++i)
        QCOMPARE(features.codes[std::size_t(i)],
                 i < count ? QStringLiteral("c%1").arg(i) : QString());
    QCOMPARE(sectionAssignments(outcome), expected);
}

void TextFilesTest::repeatedOptionalSection()
{
    // A second occurrence defines the features anew; counting on would give
    // more features than the editor has boxes.
    Wording v;
    const TextPassOutcome outcome = parse(
        v, section("[OPTIONAL_OM]", {u"L"_s, u"A0"_s, u"a0"_s, u"A1"_s, u"a1"_s, u"A2"_s, u"a2"_s,
                                     u"A3"_s, u"a3"_s, u"A4"_s, u"a4"_s, u"A5"_s, u"a5"_s}) +
               section("[OPTIONAL_OM]", {u"L"_s, u"B0"_s, u"b0"_s, u"XXXXX"_s, u"f"_s, u"f"_s,
                                         u"f"_s, u"f"_s, u"f"_s}));
    QCOMPARE(outcome.failure, 0);
    QCOMPARE(v.plainFeatures.count, 1);
    QCOMPARE(v.plainFeatures.codes[0], QStringLiteral("b0"));
    QCOMPARE(sectionAssignments(outcome).last(), shown("woM", "Check_Optional", 0));
}

void TextFilesTest::messageSection()
{
    Wording v;
    const TextPassOutcome outcome = parse(v, section("[MSG]", numbered("G", 12)));
    QCOMPARE(outcome.failure, 0);
    QVERIFY(sectionAssignments(outcome).isEmpty());
    for (int i = 0; i <= 11; ++i)
        QCOMPARE(v.messages[std::size_t(i)], QStringLiteral("G%1").arg(i + 1));
}

void TextFilesTest::missingSectionKeepsValues()
{
    Wording v;
    v.copyCaption = QStringLiteral("before");
    v.messages[std::size_t(1)] = QStringLiteral("before");
    const TextPassOutcome outcome =
        parse(v, QByteArray("; only menus\r\n") + section("[MENUE]", numbered("M", 28)) +
                     "[menue]\r\n[TB] \r\n");
    QCOMPARE(outcome.failure, 0);
    QCOMPARE(sectionAssignments(outcome), expectedMenu(QStringLiteral("M")));
    QCOMPARE(v.copyCaption, QStringLiteral("before"));
    QCOMPARE(v.messages[std::size_t(1)], QStringLiteral("before"));
    QCOMPARE(v.plainFeatures.count, 0);
}

void TextFilesTest::languageList_data()
{
    QTest::addColumn<QStringList>("main");
    // Caption of sprache1..5; a null string: the item is hidden.
    QTest::addColumn<QStringList>("items");

    const QString hidden;
    const QStringList tail = {u"[SPRACHE]"_s, u"Test.ini"_s};
    QTest::newRow("two names, then xxx")
        << QStringList{u"[AUSWAHL]"_s, u"Deutsch"_s, u"English"_s, u"xxx"_s} + tail
        << QStringList{u"Deutsch"_s, u"English"_s, hidden, hidden, hidden};
    QTest::newRow("xxx first") << QStringList{u"[AUSWAHL]"_s, u"xxx"_s, u"Deutsch"_s} + tail
                               << QStringList{hidden, hidden, hidden, hidden, hidden};
    QTest::newRow("name containing xxx")
        << QStringList{u"[AUSWAHL]"_s, u"Deutsch"_s, u"Foxxxish"_s, u"English"_s} + tail
        << QStringList{u"Deutsch"_s, hidden, hidden, hidden, hidden};
    row("upper-case XXX is a name", QStringList{u"[AUSWAHL]"_s, u"XXX"_s, u"xxx"_s} + tail,
        QStringList{u"XXX"_s, hidden, hidden, hidden, hidden});
    QTest::newRow("five names, no xxx")
        << QStringList{u"[AUSWAHL]"_s,          u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s,
                       u"xxx-never-looked-at"_s} +
               tail
        << QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s};
    QTest::newRow("[SPRACHE] before [AUSWAHL]")
        << tail + QStringList{u"[AUSWAHL]"_s, u"Deutsch"_s, u"xxx"_s}
        << QStringList{u"Deutsch"_s, hidden, hidden, hidden, hidden};
    QTest::newRow("fewer names and no xxx: the lines after them")
        << QStringList{u"; comment"_s, u"[AUSWAHL]"_s, u"Deutsch"_s, u""_s} + tail
        << QStringList{u"Deutsch"_s, u""_s, u"[SPRACHE]"_s, u"Test.ini"_s, u""_s};
    QTest::newRow("first headers count")
        << texts({"[AUSWAHL]", "One", "xxx", "[SPRACHE]", "Test.ini", "[AUSWAHL]", "Two",
                  "[SPRACHE]", "Other.ini"})
        << QStringList{u"One"_s, hidden, hidden, hidden, hidden};
}

void TextFilesTest::languageList()
{
    QFETCH(QStringList, main);
    QFETCH(QStringList, items);
    Wording v;
    const TextPassOutcome outcome = parse(v, QByteArray(), crlf(main));
    QCOMPARE(outcome.failure, 0);
    QCOMPARE(v.languageFile, QStringLiteral("Test.ini"));

    QList<TextAssignment> expected;
    for (int i = 0; i < 5; ++i) {
        const QString item = QStringLiteral("sprache%1").arg(i + 1);
        if (items[i].isNull())
            expected << TextAssignment{QStringLiteral("wMain"), item,      -1,
                                       Property::Visible,       QString(), false};
        else
            expected << TextAssignment{QStringLiteral("wMain"), item,     -1,
                                       Property::Caption,       items[i], true};
    }
    QCOMPARE(outcome.assignments, expected);
}

void TextFilesTest::failures_data()
{
    QTest::addColumn<QByteArray>("main");
    QTest::addColumn<bool>("languageFile");
    QTest::addColumn<int>("failure");
    QTest::addColumn<int>("assignments");
    QTest::addColumn<QString>("reason"); // null: the reader's own

    QStringList longFile = DefaultMain;
    while (longFile.size() < 255)
        longFile << QStringLiteral("; filler");
    const QString missing = QStringLiteral("47-318-xx.ini: die Zeile %1 fehlt");
    QTest::newRow("255 lines") << crlf(longFile) << true << 0 << 5 << "";
    QTest::newRow("256 lines") << crlf(longFile << QStringLiteral("; one too many")) << true << 6
                               << 0 << "47-318-xx.ini: mehr als 255 Zeilen";
    QTest::newRow("no [AUSWAHL]") << crlf({"[SPRACHE]", "Test.ini"}) << true << 6 << 0
                                  << missing.arg(u"[AUSWAHL]"_s);
    row("no [SPRACHE]", crlf({u"[AUSWAHL]"_s, u"Deutsch"_s, u"xxx"_s}), true, 6, 5,
        missing.arg(u"[SPRACHE]"_s));
    QTest::newRow("headers differ in case")
        << crlf({u"[Auswahl]"_s, u"Deutsch"_s, u"xxx"_s, u"[SPRACHE]"_s, u"Test.ini"_s}) << true
        << 6 << 0 << missing.arg(u"[AUSWAHL]"_s);
    row("empty main text file", QByteArray(), true, 6, 0, missing.arg(u"[AUSWAHL]"_s));
    QTest::newRow("no main text file") << QByteArray() << false << 53 << 0 << QString();
    QTest::newRow("no language file") << crlf(DefaultMain) << false << 53 << 5 << QString();
    QTest::newRow("no language after [SPRACHE]")
        << crlf({"[AUSWAHL]", "xxx", "[SPRACHE]"}) << true << 53 << 5 << QString();
}

void TextFilesTest::failures()
{
    QFETCH(QByteArray, main);
    QFETCH(bool, languageFile);
    QFETCH(int, failure);
    QFETCH(int, assignments);
    QFETCH(QString, reason);

    Files files;
    const bool noMainFile = !languageFile && main.isEmpty();
    if (!noMainFile)
        files.bytes.insert(MainName, main);
    if (languageFile)
        files.bytes.insert(QStringLiteral("Test.ini"), section("[MSG]", numbered("G", 12)));
    Wording v;
    const TextPassOutcome outcome = parseTextPass(v, files.reader());
    QCOMPARE(outcome.failure, failure);
    QCOMPARE(outcome.assignments.size(), assignments);
    QCOMPARE(v.messages[std::size_t(0)].isEmpty(), failure != 0);
    if (!reason.isNull())
        QCOMPARE(failure ? failureText(outcome.reason, failure, v.failures) : QString(u""_s),
                 reason);
}

// Only a plain name is a file in the program folder.
void TextFilesTest::namesInFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inFolder");
    QTest::newRow("plain name") << "English.ini" << true;
    QTest::newRow("dots inside a name") << "Deutsch.v2.ini" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("up a folder") << "../English.ini" << false;
    QTest::newRow("into a folder") << "sub/English.ini" << false;
    QTest::newRow("backslash") << "sub\\English.ini" << false;
    QTest::newRow("absolute") << "/etc/hostname" << false;
    QTest::newRow("two dots") << "..ini" << false;
}

void TextFilesTest::namesInFolder()
{
    QFETCH(QString, name);
    QFETCH(bool, inFolder);
    QCOMPARE(isNameInFolder(name), inFolder);
    // Files where the refused paths lead: only the name refuses them.
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("program/sub")));
    for (const char* file : {"English.ini", "program/English.ini", "program/Deutsch.v2.ini",
                             "program/sub/English.ini", "program/sub\\English.ini"})
        writeWholeFile(dir.filePath(QString::fromLatin1(file)), "[MSG]\r\n");
    try {
        const TextFile file = folderReader(dir.filePath(QStringLiteral("program")))(name);
        QVERIFY(inFolder);
        QCOMPARE(file.lines, QStringList{QStringLiteral("[MSG]")});
    } catch (const RunError& error) {
        QVERIFY(!inFolder);
        QCOMPARE(error.number, 53);
        QCOMPARE(error.reason.kind, std::optional<FailureText>(FailNotInProgramFolder));
    }
}

void TextFilesTest::sectionCutShort()
{
    // [SONSTIGES] stands first in the file but its pass comes after [TB]'s.
    Wording v;
    const QByteArray language = section("[SONSTIGES]", numbered("S", 10)) +
                                section("[MENUE]", numbered("M", 28)) +
                                section("[TB]", numbered("T", 3));
    const TextPassOutcome outcome = parse(v, language);
    QCOMPARE(outcome.failure, 62);
    const QList<TextAssignment> got = sectionAssignments(outcome);
    QCOMPARE(got.size(), 31 + 3);
    QCOMPARE(got.mid(0, 31), expectedMenu(QStringLiteral("M")));
    QCOMPARE(got.last().text, QStringLiteral("T3"));
    QVERIFY(v.copyCaption.isEmpty());
    QCOMPARE(failureText(outcome.reason, outcome.failure, v.failures),
             QStringLiteral("Test.ini: die Datei endet mitten im Abschnitt [TB]"));
}

void TextFilesTest::languageFileForms_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QStringList lines = QStringList{u"[SONSTIGES]"_s} + numbered(u"S"_s, 10);
    lines[3] = QStringLiteral("Bandl\u00e4nge:");
    const QByteArray latin = lines.join(QLatin1Char('\n')).toLatin1();
    const QByteArray utf8 = lines.join(QLatin1Char('\n')).toUtf8();
    QTest::newRow("Windows-1252, CR LF") << QByteArray(latin).replace('\n', "\r\n");
    QTest::newRow("Windows-1252, CR") << QByteArray(latin).replace('\n', '\r');
    QTest::newRow("Windows-1252, LF") << latin;
    QTest::newRow("UTF-8, CR LF") << QByteArray(utf8).replace('\n', "\r\n");
    QTest::newRow("UTF-8 with BOM, LF") << QByteArray("\xef\xbb\xbf") + utf8;
}

void TextFilesTest::languageFileForms()
{
    QFETCH(QByteArray, bytes);
    Wording v;
    const TextPassOutcome outcome = parse(v, bytes);
    QCOMPARE(outcome.failure, 0);
    QCOMPARE(v.copyCaption, QStringLiteral("S2"));
    const QList<TextAssignment> got = sectionAssignments(outcome);
    QCOMPARE(got.size(), 13);
    QCOMPARE(got.first(), caption("woM", "Label_Bandlaenge", QStringLiteral("Bandl\u00e4nge:")));
    QCOMPARE(got.last(), caption("wStart", "Command_Start_L", "S10"));
}

void TextFilesTest::rewrite_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("reloading");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<int>("failure");

    QTest::newRow("other lines byte for byte")
        << QByteArray("; Sprachen f\xfcr den Konfigurator\r[AUSWAHL]\nDeutsch\r\nEnglish\r\n"
                      "xxx\r\n\r\n[SPRACHE]\r\nDeutsch.ini\n; \x81\x8d Ende")
        << "English" << true
        << QByteArray("; Sprachen f\xfcr den Konfigurator\r\n[AUSWAHL]\r\nDeutsch\r\nEnglish\r\n"
                      "xxx\r\n\r\n[SPRACHE]\r\nEnglish.ini\r\n; \x81\x8d Ende\r\n")
        << 0;
    QTest::newRow("new line in Windows-1252")
        << QByteArray("[AUSWAHL]\r\nFran\xe7"
                      "ais\r\nxxx\r\n[SPRACHE]\r\nDeutsch.ini\r\n")
        << QStringLiteral("Fran\u00e7ais") << true
        << QByteArray("[AUSWAHL]\r\nFran\xe7"
                      "ais\r\nxxx\r\n[SPRACHE]\r\nFran\xe7"
                      "ais.ini\r\n")
        << 0;
    QTest::newRow("new line in UTF-8, mark kept")
        << QByteArray("\xef\xbb\xbf[AUSWAHL]\r\nFran\xc3\xa7"
                      "ais\r\nxxx\r\n[SPRACHE]\r\nDeutsch.ini\r\n")
        << QStringLiteral("Fran\u00e7ais") << true
        << QByteArray("\xef\xbb\xbf[AUSWAHL]\r\nFran\xc3\xa7"
                      "ais\r\nxxx\r\n[SPRACHE]\r\nFran\xc3\xa7"
                      "ais.ini\r\n")
        << 0;
    // The mark makes the file UTF-8; a stray single byte elsewhere is kept as it was.
    QTest::newRow("mark and a stray Windows-1252 byte")
        << QByteArray("\xef\xbb\xbf; Sprachen f\xfcr KX\r\n[AUSWAHL]\r\nDeutsch\r\nxxx\r\n"
                      "[SPRACHE]\r\nDeutsch.ini\r\n; \xe4\x80 Ende\r\n")
        << "English" << true
        << QByteArray("\xef\xbb\xbf; Sprachen f\xfcr KX\r\n[AUSWAHL]\r\nDeutsch\r\nxxx\r\n"
                      "[SPRACHE]\r\nEnglish.ini\r\n; \xe4\x80 Ende\r\n")
        << 0;
    QTest::newRow("the same language again")
        << QByteArray("[AUSWAHL]\nDeutsch\nxxx\n[SPRACHE]\nDeutsch.ini") << "Deutsch" << true
        << QByteArray("[AUSWAHL]\r\nDeutsch\r\nxxx\r\n[SPRACHE]\r\nDeutsch.ini\r\n") << 0;
    QTest::newRow("[SPRACHE] on the last line")
        << QByteArray("[AUSWAHL]\r\nDeutsch\r\nxxx\r\n[SPRACHE]") << "Deutsch" << true
        << QByteArray("[AUSWAHL]\r\nDeutsch\r\nxxx\r\n[SPRACHE]\r\nDeutsch.ini\r\n") << 0;
    QTest::newRow("no reload: lines only")
        << QByteArray("[SPRACHE]\rDeutsch.ini") << "English" << false
        << QByteArray("[SPRACHE]\r\nDeutsch.ini\r\n") << 0;
    QTest::newRow("empty file") << QByteArray() << "English" << true << QByteArray() << 6;
    QTest::newRow("no [SPRACHE]") << QByteArray("[AUSWAHL]\r\nDeutsch\r\n") << "English" << true
                                  << QByteArray() << 6;
    QTest::newRow("256 lines") << QByteArray(256, '\n') << "English" << true << QByteArray() << 6;
}

void TextFilesTest::rewrite()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, chosen);
    QFETCH(bool, reloading);
    QFETCH(QByteArray, after);
    QFETCH(int, failure);

    try {
        const QByteArray bytes = rewriteMainTextFile(
            decodeTextFile(before), reloading ? std::optional<QString>(chosen) : std::nullopt);
        QCOMPARE(failure, 0);
        QCOMPARE(bytes, after);
    } catch (const RunError& error) {
        QCOMPARE(error.number, failure);
    }
}

void TextFilesTest::arbitraryBytes()
{
    // Whatever the files hold, the pass and the rewrite end normally or with
    // a numbered failure.
    const QByteArray pieces[] = {
        "[AUSWAHL]", "[SPRACHE]", "Test.ini",      "xxx",           "XXXXX",       "[MENUE]",
        "[TB]",      "[MSG]",     "[OPTIONAL_OM]", "[OPTIONAL_MM]", "[SONSTIGES]", "\r",
        "\n",        "\r\n",      "\xef\xbb\xbf",  "\xc3\xa4",      "\xe4",        "\xff"};
    QRandomGenerator random(1351);
    auto noise = [&] {
        QByteArray bytes;
        const int count = random.bounded(400);
        for (int i = 0; i < count; ++i)
            bytes += pieces[random.bounded(int(std::size(pieces)))];
        return bytes;
    };
    for (int round = 0; round < 500; ++round) {
        Wording v;
        const QByteArray main = noise();
        const TextPassOutcome outcome = parse(v, noise(), main);
        QVERIFY(QList<int>({0, 6, 53, 62}).contains(outcome.failure));
        try {
            const QByteArray bytes =
                rewriteMainTextFile(decodeTextFile(main), QStringLiteral("English"));
            QVERIFY(bytes.endsWith("\r\n"));
        } catch (const RunError& error) {
            QCOMPARE(error.number, 6);
        }
    }
}

// Every byte decodes as the system's Windows-1252 tables decode it, whether
// or not the file holds a byte from the range where it differs from Latin-1.
void TextFilesTest::singleByteCodePage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray latin1, all;
    for (int b = 1; b < 256; ++b) {
        if (b == '\r' || b == '\n')
            continue;
        all.append(char(b));
        if (b < 0x80 || b > 0x9F)
            latin1.append(char(b));
    }
    QTest::newRow("no byte from 0x80-0x9F") << latin1 + "\r\n" + latin1;
    QTest::newRow("every byte") << all + "\r\n" + all;
    QTest::newRow("0x80-0x9F on the last line only") << latin1 + "\r\nEuro \x80 \x81 \x9F";
    QTest::newRow("0x9F alone from 0x80-0x9F") << latin1 + "\r\n\x9F";
}

void TextFilesTest::singleByteCodePage()
{
    QFETCH(QByteArray, bytes);
    const TextFile file = decodeTextFile(bytes);
    QCOMPARE(file.encoding, TextEncoding::Windows1252);
    QCOMPARE(file.lines.size(), file.rawLines.size());
    for (qsizetype i = 0; i < file.lines.size(); ++i) {
        QStringDecoder reference("windows-1252", QStringConverter::Flag::Stateless);
        QCOMPARE(file.lines.at(i), reference.decode(file.rawLines.at(i)));
    }
}

QTEST_GUILESS_MAIN(TextFilesTest)
#include "text_files_test.moc"
