#include "rules/run_error.h"
#include "test_paths.h"
#include "rules/text_files.h"
#include "rules/text_pass_parser.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QtTest>

using namespace kx;

namespace {
const QString MainName = QStringLiteral("47-318-xx.ini");

TextFile shipped(const QString& name)
{
    return readTextFile(dataPath(name));
}

// The languages of [AUSWAHL], up to the line with "xxx".
QStringList offeredLanguages()
{
    const QStringList lines = shipped(MainName).lines;
    QStringList names;
    for (qsizetype i = lines.indexOf(QStringLiteral("[AUSWAHL]")) + 1;
         i < lines.size() && names.size() < 5 && !lines[i].contains(QLatin1String("xxx")); ++i)
        names << lines[i];
    return names;
}

struct Parsed
{
    Wording v;
    TextPassOutcome outcome;
};

Parsed parseLanguage(const QString& language)
{
    Parsed parsed;
    const QString file = language + QStringLiteral(".ini");
    parsed.outcome = parseTextPass(parsed.v, [&](const QString& name) {
        // Every language file is read under the main text file's [SPRACHE] slot.
        return shipped(name == MainName ? name : file);
    });
    return parsed;
}

QStringList codesOf(const Wording& v)
{
    return v.plainFeatures.definedCodes() + v.modularFeatures.definedCodes();
}
} // namespace

class ShippedTextTest : public QObject
{
    Q_OBJECT
private slots:
    void mainTextFile();
    void languages_data();
    void sectionsComplete();
    void sectionsComplete_data() { languages_data(); }
    void readsWithoutFailure();
    void readsWithoutFailure_data() { languages_data(); }
    void featureCodes();
    void germanDesignValues();
    void filesAreWindows1252WithCrLf_data();
    void filesAreWindows1252WithCrLf();
};

void ShippedTextTest::mainTextFile()
{
    const QStringList languages = offeredLanguages();
    QVERIFY(languages.contains(QStringLiteral("Deutsch")));
    QVERIFY(languages.contains(QStringLiteral("English")));
    Wording v;
    parseTextPass(v, [](const QString& name) { return shipped(name); });
    QCOMPARE(v.languageFile, QStringLiteral("Deutsch.ini"));
    for (const QString& language : languages) {
        QVERIFY2(QRegularExpression(QStringLiteral("^[A-Za-z]+$")).match(language).hasMatch(),
                 qPrintable(language));
        QVERIFY2(QFileInfo::exists(dataPath(language + QStringLiteral(".ini"))),
                 qPrintable(language));
    }
}

void ShippedTextTest::languages_data()
{
    QTest::addColumn<QString>("language");
    for (const QString& language : offeredLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void ShippedTextTest::sectionsComplete()
{
    QFETCH(QString, language);
    const QStringList lines = shipped(language + QStringLiteral(".ini")).lines;
    QList<QPair<QString, int>> sections = {
        {QStringLiteral("[MENUE]"), 28},       {QStringLiteral("[TB]"), 14},
        {QStringLiteral("[SONSTIGES]"), 10},   {QStringLiteral("[OPTIONAL_OM]"), 13},
        {QStringLiteral("[OPTIONAL_MM]"), 13}, {QStringLiteral("[MSG]"), 12},
    };
    Wording v;
    for (const OptionalWords& words : optionalSections(v))
        sections.append({words.header, words.count});
    for (const auto& [header, count] : sections) {
        QCOMPARE(lines.count(header), 1);
        // Each section runs to the next header or an empty line, and no further.
        const qsizetype first = lines.indexOf(header) + 1;
        qsizetype end = first;
        while (end < lines.size() && !lines[end].isEmpty() && !lines[end].startsWith(u'['))
            ++end;
        QVERIFY2(end - first == count, qPrintable(header));
        QVERIFY2(!lines.mid(first, count).contains(QStringLiteral("XXXXX")), qPrintable(header));
    }
}

void ShippedTextTest::readsWithoutFailure()
{
    QFETCH(QString, language);
    const Parsed parsed = parseLanguage(language);
    QCOMPARE(parsed.outcome.failure, 0);
    QCOMPARE(parsed.v.plainFeatures.count, 6);
    QCOMPARE(parsed.v.modularFeatures.count, 6);
    QVERIFY(!parsed.v.copyCaption.isEmpty());
    for (const QString& message : parsed.v.messages)
        QVERIFY(!message.trimmed().isEmpty());
    for (const TextAssignment& a : parsed.outcome.assignments)
        if (a.property != TextAssignment::Property::Visible)
            QVERIFY2(!a.text.trimmed().isEmpty(),
                     qPrintable(a.window + QLatin1Char(' ') + a.control));
}

void ShippedTextTest::featureCodes()
{
    // A feature counts as chosen when its code occurs anywhere in a loaded
    // order code, so no code may occur inside another code or inside the
    // code's own fields (KX, widths, lengths, R, L, AG, AC, EG, EV, runs of
    // G, C, V): each holds a letter that those never use.
    const QRegularExpression shape(QStringLiteral("^[A-Z0-9]{1,4}$"));
    const QRegularExpression ownLetter(QStringLiteral("[BDFHIJMNOPQSTUWYZ]"));
    QStringList first;
    for (const QString& language : offeredLanguages()) {
        const QStringList codes = codesOf(parseLanguage(language).v);
        QCOMPARE(codes.size(), 12);
        for (const QString& code : codes) {
            QVERIFY2(shape.match(code).hasMatch(), qPrintable(code));
            QVERIFY2(ownLetter.match(code).hasMatch(), qPrintable(code));
            for (const QString& other : codes)
                QVERIFY2(&code == &other || !other.contains(code),
                         qPrintable(code + QStringLiteral(" in ") + other));
        }
        // A saved belt loads with its features in any language.
        if (first.isEmpty())
            first = codes;
        QCOMPARE(codes, first);
    }
}

void ShippedTextTest::germanDesignValues()
{
    const Parsed parsed = parseLanguage(QStringLiteral("Deutsch"));
    auto textOf = [&](const char* window, const char* control) {
        for (const TextAssignment& a : parsed.outcome.assignments)
            if (a.window == QLatin1String(window) && a.control == QLatin1String(control) &&
                a.property == TextAssignment::Property::Caption)
                return a.text;
        return QString();
    };
    const char* const rows[][3] = {
        {"wMain", "", "KX-Konfigurator"},
        {"woM", "", "F\u00f6rderband, ohne Seitenmodule"},
        {"wmM", "", "F\u00f6rderband,  mit Seitenmodulen"},
        {"wInfo", "", "Info"},
        {"wMain", "datei", "Datei"},
        {"wMain", "laden", "Laden"},
        {"wMain", "speichern", "Speichern"},
        {"wMain", "drucken", "Drucken"},
        {"wMain", "beenden", "Beenden"},
        {"wMain", "konfiguration", "Konfiguration"},
        {"wMain", "band_erstellen", "Band erstellen"},
        {"wMain", "band_om", "ohne Module"},
        {"wMain", "band_rechts", "mit Module, rechts"},
        {"wMain", "band_links", "mit Module, links"},
        {"wMain", "beispiele", "Beispiele"},
        {"wMain", "ohne_Module", "Band, ohne Module"},
        {"wMain", "mit_Module", "Band, mit Module"},
        {"wMain", "extras", "Extras"},
        {"wMain", "sprache", "Sprache"},
        {"wMain", "info", "Info"},
        {"woM", "Label_Bandlaenge", "Bandl\u00e4nge:"},
        {"woM", "Label_Bandlaufrichtung", "Bandlaufrichtung:"},
        {"woM", "Option_Rechts", "rechts"},
        {"woM", "Option_Links", "links"},
        {"woM", "Label_Bandbreite", "Bandbreite:"},
        {"wStart", "Command_Start_oM", "Band erstellen, ohne Module"},
        {"wStart", "Command_Start_R", "Band erstellen, Laufrichtung rechts"},
        {"wStart", "Command_Start_L", "Band erstellen, Laufrichtung links"},
        {"woM", "Label_Optional", "optional:"},
    };
    for (const auto& row : rows)
        QCOMPARE(textOf(row[0], row[1]), QString::fromUtf8(row[2]));

    // The words that stand in for a missing optional section are the shipped
    // German ones. An empty stand-in is no word but the absence of a fact
    // about the file ([LOCALE]): the shipped file states it.
    Wording v = parsed.v;
    for (const OptionalWords& words : optionalSections(v))
        for (int i = 0; i < words.count; ++i)
            if (words.germanWord(i).isEmpty())
                QVERIFY2(!words.texts[i].isEmpty(), qPrintable(words.header));
            else
                QCOMPARE(words.texts[i], words.germanWord(i));
}

void ShippedTextTest::filesAreWindows1252WithCrLf_data()
{
    QTest::addColumn<QString>("name");
    for (const QString& name : QDir(dataPath(QString())).entryList({QStringLiteral("*.ini")}))
        QTest::newRow(qPrintable(name)) << name;
}

void ShippedTextTest::filesAreWindows1252WithCrLf()
{
    QFETCH(QString, name);
    QFile file(dataPath(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const TextFile text = decodeTextFile(bytes);
    QCOMPARE(text.encoding, TextEncoding::Windows1252);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count('\n'));
    QCOMPARE(bytes.count("\r\n"), bytes.count('\n'));
    QVERIFY(!text.lines.join(QString()).contains(QChar::ReplacementCharacter));
}

QTEST_GUILESS_MAIN(ShippedTextTest)
#include "shipped_text_test.moc"
