#include "test_program.h"
#include "windows/file_commands/datasheet_command.h"
#include "windows/main/main_window.h"
#include "windows/modular_belt/modular_editor.h"
#include "windows/plain_belt/plain_editor.h"

#include <QAction>
#include <QCheckBox>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTest>

using namespace kx;
using namespace Qt::StringLiterals;

namespace {

// A poppler tool's output for a PDF file.
QString poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// pdftotext breaks lines where the page does; words count, not their spacing.
QString flat(const QString& text)
{
    return text.simplified();
}

} // namespace

class DatasheetTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void pageTellsTheWholeBelt_data();
    void pageTellsTheWholeBelt();
    void failureShowsItsReason();
    void noDatasheetWithoutPieces();
};

void DatasheetTest::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QFAIL("pdftotext (poppler-utils) is missing: make deps installs it");
}

void DatasheetTest::pageTellsTheWholeBelt_data()
{
    // A belt file, and the words the page must hold beyond the code and the
    // features the check boxes show, in the language chosen.
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("words");
    const QStringList english = listOf(u"KX-Konfigurator|Datasheet|Order code|Kind of belt|Length|"
                                       u"Width|Running direction|Features"_s);
    const QStringList german = listOf(
        u"KX-Konfigurator|Datenblatt|Bestellnummer|Bandart|Länge|Breite|Laufrichtung|Optionen"_s);
    row("plain, right, no feature", u"English"_s, QByteArray("oKX40-300-R\r\n"),
        english + listOf(u"Belt without side modules|300 mm|40 mm|right|none"_s));
    row("plain, left, every feature", u"English"_s,
        QByteArray("oKX80-1500-L-SF-ST-PU-FU-NH-HB\r\n"),
        english +
            listOf(u"Belt without side modules|1500 mm|80 mm|left|Side guides|Protective hood"_s));
    row("modular right", u"English"_s, QByteArray("mKX40-600-R-AG-2GC-EV\r\n"),
        english + listOf(u"Belt with side modules|600 mm|right|Begin piece AG, position 1|"
                         u"Module G, position 2|Module G, position 3|Module C, position 4|"
                         u"End piece EV, position 5|Drive|under Module C, position 4"_s));
    row("modular left, 14 pieces, features", u"English"_s,
        QByteArray("mKX80-1500-L-AC-2GCV2G2C3VG-EG-PS-SD\r\n"),
        english + listOf(u"Belt with side modules|1500 mm|80 mm|left|Begin piece AC, position 1|"
                         u"Module V, position 12|Module G, position 13|End piece EG, position 14|"
                         u"Pneumatic stopper|Antistatic design|under Module C, position 4"_s));
    row("German, modular", u"Deutsch"_s, QByteArray("mKX40-500-L-AC-GC-EG-PS\r\n"),
        german + listOf(u"Band mit Modulen|500 mm|links|Anfangsstück AC, Position 1|"
                        u"Modul G, Position 2|Modul C, Position 3|Endstück EG, Position 4|"
                        u"Antrieb|unter Modul C, Position 3"_s));
    row("German, plain", u"Deutsch"_s, QByteArray("oKX40-700-R-SF\r\n"),
        german + listOf(u"Band ohne Module|700 mm|rechts"_s));
}

// The page holds the code, the table's words, every chosen feature and
// every piece, on one A4 page.
void DatasheetTest::pageTellsTheWholeBelt()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, file);
    QFETCH(QStringList, words);
    TestProgram program;
    MainWindow& main = program.startIn(language);
    program.writeFile(QStringLiteral("belt.dat"), file);
    program.load(program.path(QStringLiteral("belt.dat")));
    QVERIFY(main.datasheetAction->isEnabled());

    program.dialogs.answerFile(program.path(QStringLiteral("sheet")));
    main.datasheetAction->trigger();
    QVERIFY(program.boxes.shown.isEmpty());
    QCOMPARE(program.dialogs.asked.constLast().title, dialogTitle(main.datasheetAction->text()));
    // A name without an extension gets ".pdf".
    const QString pdf = program.path(QStringLiteral("sheet.pdf"));
    QVERIFY(QFile::exists(pdf));

    const QString text = flat(poppler(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-layout"), pdf, QStringLiteral("-")}));
    QStringList expected = words;
    expected << QString::fromLatin1(file.mid(1).trimmed())
             << QLocale(language == QLatin1String("English") ? u"en"_s : u"de"_s)
                    .toString(QDate::currentDate(), QLocale::LongFormat);
    const bool modular = file.startsWith('m');
    const auto& boxes = modular ? program.forms->window<ModularBeltEditor>().Check_Optional
                                : program.forms->window<PlainBeltEditor>().Check_Optional;
    for (QCheckBox* box : boxes)
        if (box->isChecked())
            expected << box->text();
    for (const QString& word : std::as_const(expected))
        QVERIFY2(text.contains(word), qPrintable(word + u" not in: "_s + text));

    const QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
    QVERIFY2(info.contains(QStringLiteral("(A4)")), qPrintable(info));
    // The belt is drawn, not pasted as pixels: no image on the page.
    const QStringList images = poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(images.size(), 2); // the list's heading alone
    // One family, regular and bold, the piece letters' included: each more
    // font embedded costs every datasheet a pass over its character map.
    QStringList fonts;
    for (const QString& line : poppler(QStringLiteral("pdffonts"), {pdf})
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                   .mid(2))
        fonts << line.section(QLatin1Char(' '), 0, 0);
    fonts.sort();
    QCOMPARE(fonts.size(), 2);
    QCOMPARE(fonts.at(1), fonts.at(0) + QStringLiteral("-Bold"));
}

void DatasheetTest::failureShowsItsReason()
{
    TestProgram program;
    MainWindow& main = program.startIn(QStringLiteral("English"));
    main.newPlainAction->trigger();
    main.Timer_Antrieb_Timer();
    program.dialogs.answerFile(program.path(QStringLiteral("no/such/sheet.pdf")));
    main.datasheetAction->trigger();
    program.writeFile(QStringLiteral("kept.pdf"), "old");
    program.commit = [](QSaveFile&) { return false; };
    program.boxes.answers.push_back(0);
    program.dialogs.answerFile(program.path(QStringLiteral("kept")));
    main.datasheetAction->trigger();

    QCOMPARE(program.boxes.shown.size(), 2);
    QCOMPARE(program.boxes.shown[0].text, QStringLiteral("datenblatt_Click()"));
    QCOMPARE(program.boxes.shown[0].informative, QStringLiteral("sheet.pdf: no such folder"));
    QCOMPARE(program.boxes.asked.size(), 1);
    QCOMPARE(program.boxes.asked[0].text, u"kept.pdf already exists. Replace it?"_s);
    QCOMPARE(program.boxes.asked[0].buttons, QStringList({u"&Replace"_s, u"Cancel"_s}));
    QCOMPARE(program.boxes.shown[1].informative, QStringLiteral("kept.pdf: could not be written"));
    QCOMPARE(program.readFile(QStringLiteral("kept.pdf")), QByteArray("old"));
}

// A belt with side modules and no piece is refused before a file is asked for.
void DatasheetTest::noDatasheetWithoutPieces()
{
    TestProgram program;
    MainWindow& main = program.startIn(QStringLiteral("English"));
    main.newLeftAction->trigger();
    main.Timer_Antrieb_Timer();
    QVERIFY(main.datasheetAction->isEnabled());
    main.datasheetAction->trigger();
    QVERIFY(program.dialogs.asked.isEmpty());
    QCOMPARE(program.boxes.shown.size(), 1);
    QCOMPARE(program.boxes.shown[0].text, QStringLiteral("datenblatt_Click()"));
    QCOMPARE(program.boxes.shown[0].informative,
             QStringLiteral("KX40-0-L-: a belt with side modules has no datasheet without pieces"));
}

QTEST_MAIN(DatasheetTest)
#include "datasheet_test.moc"
