#include "rules/run_error.h"
#include "rules/text_files.h"
#include "rules/text_pass_parser.h"
#include "test_paths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

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

// Line n of a section, counted from 1 after its header.
QString sectionLine(const QStringList& lines, const char* header, int n)
{
    const qsizetype at = lines.indexOf(QLatin1String(header));
    return at >= 0 && at + n < lines.size() ? lines[at + n] : QString();
}

struct MenuLine
{
    const char* section;
    int line;
    bool opensDialog = false; // and so ends in "…"
};

const char* const Menu = "[MENUE]";
const char* const Commands = "[BEFEHLE]";

// The menus and their items, as the lines of the language file they come from.
const struct
{
    const char* name;
    std::vector<MenuLine> items;
} Menus[] = {
    {"menu bar", {{Menu, 5}, {Menu, 10}, {Menu, 15}, {Menu, 26}, {Commands, 8}}},
    {"File",
     {{Menu, 6, true},
      {Commands, 6},
      {Menu, 7, true},
      {Commands, 7, true},
      {Menu, 8, true},
      {Menu, 9}}},
    {"Configuration",
     {{Menu, 11}, {Commands, 4, true}, {Commands, 1}, {Commands, 2}, {Commands, 3}}},
    {"New belt", {{Menu, 12}, {Menu, 13}, {Menu, 14}}},
    {"Examples", {{Menu, 16}, {Menu, 22}}},
    {"Tools", {{Menu, 27}}},
    {"Help", {{Commands, 9}, {Menu, 28, true}}},
};

// The keys after a lone "&"; "&&" stands for the character itself.
QStringList mnemonics(const QString& caption)
{
    QStringList keys;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&')
            continue;
        if (++i == caption.size())
            keys << QString(); // a "&" at the end marks no key
        else if (caption[i] != u'&')
            keys << caption[i].toLower();
    }
    return keys;
}

// A menu caption as it reads in running text: no "&", no trailing "…".
QString captionInText(QString caption)
{
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    if (caption.endsWith(u'\u2026'))
        caption.chop(1);
    return caption;
}

QByteArray guideBytes(const QString& language)
{
    QFile file(dataPath(QStringLiteral("guide/%1.html").arg(language)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QSet<QString> plainMenuCaptions(const QStringList& lines)
{
    QSet<QString> captions;
    for (const auto& menu : Menus)
        for (const MenuLine& item : menu.items)
            captions << captionInText(sectionLine(lines, item.section, item.line));
    return captions;
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
    void menuCaptions_data();
    void menuCaptions();
    void menuPathsNameMenus();
    void menuPathsNameMenus_data() { languages_data(); }
    void guide();
    void guide_data() { languages_data(); }
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
        {"woM", "", "F\u00f6rderband ohne Seitenmodule"},
        {"wmM", "", "F\u00f6rderband mit Seitenmodulen"},
        {"wInfo", "", "Info"},
        {"wMain", "datei", "&Datei"},
        {"wMain", "laden", "\u00d6&ffnen\u2026"},
        {"wMain", "speichern", "&Speichern\u2026"},
        {"wMain", "drucken", "&Drucken\u2026"},
        {"wMain", "beenden", "&Beenden"},
        {"wMain", "konfiguration", "&Konfiguration"},
        {"wMain", "band_erstellen", "&Band erstellen"},
        {"wMain", "band_om", "&Ohne Module"},
        {"wMain", "band_rechts", "Mit Modulen, &rechts"},
        {"wMain", "band_links", "Mit Modulen, &links"},
        {"wMain", "beispiele", "&Beispiele"},
        {"wMain", "ohne_Module", "Band &ohne Module"},
        {"wMain", "mit_Module", "Band &mit Modulen"},
        {"wMain", "extras", "E&xtras"},
        {"wMain", "sprache", "&Sprache"},
        {"wMain", "info", "&Info\u2026"},
        {"woM", "Label_Bandlaenge", "Bandl\u00e4nge:"},
        {"woM", "Label_Bandlaufrichtung", "Bandlaufrichtung:"},
        {"woM", "Option_Rechts", "rechts"},
        {"woM", "Option_Links", "links"},
        {"woM", "Label_Bandbreite", "Bandbreite:"},
        {"wStart", "Command_Start_oM", "Band erstellen, ohne Module"},
        {"wStart", "Command_Start_R", "Band erstellen, Laufrichtung rechts"},
        {"wStart", "Command_Start_L", "Band erstellen, Laufrichtung links"},
        {"woM", "Label_Optional", "Optionen:"},
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

void ShippedTextTest::menuCaptions_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("menu");
    for (const QString& language : offeredLanguages())
        for (int menu = 0; menu < int(std::size(Menus)); ++menu)
            QTest::addRow("%s, %s", qPrintable(language), Menus[menu].name) << language << menu;
}

// One key per item, none twice in a menu; "…" exactly on the items that ask
// something first.
void ShippedTextTest::menuCaptions()
{
    QFETCH(QString, language);
    QFETCH(int, menu);
    const QStringList lines = shipped(language + QStringLiteral(".ini")).lines;
    QSet<QString> keys;
    for (const MenuLine& item : Menus[menu].items) {
        const QString caption = sectionLine(lines, item.section, item.line);
        const QString where = QStringLiteral("%1 %2: \"%3\"")
                                  .arg(QLatin1String(item.section))
                                  .arg(item.line)
                                  .arg(caption);
        const QStringList key = mnemonics(caption);
        QVERIFY2(key.size() == 1 && !key[0].isEmpty() && key[0][0].isLetterOrNumber(),
                 qPrintable(where));
        QVERIFY2(!keys.contains(key[0]), qPrintable(where));
        keys << key[0];
        QVERIFY2(caption.endsWith(u'\u2026') == item.opensDialog, qPrintable(where));
        QVERIFY2(!caption.contains(QLatin1String("...")) &&
                     !caption.contains(QStringLiteral(" \u2026")),
                 qPrintable(where));
    }
}

// Menu paths in the guide and the locked belt's tool tip name the items as
// the menus caption them.
void ShippedTextTest::menuPathsNameMenus()
{
    QFETCH(QString, language);
    const QStringList lines = shipped(language + QStringLiteral(".ini")).lines;
    const QSet<QString> captions = plainMenuCaptions(lines);
    const QString editBelt = captionInText(sectionLine(lines, Menu, 10)) +
                             QStringLiteral(" \u203a ") +
                             captionInText(sectionLine(lines, Commands, 1));
    QVERIFY2(sectionLine(lines, "[HINWEISE]", 2).contains(editBelt), qPrintable(editBelt));

    const QString html = QString::fromUtf8(guideBytes(language));
    QRegularExpressionMatchIterator paths =
        QRegularExpression(QStringLiteral("<span class=\"menu\">(.*?)</span>"),
                           QRegularExpression::DotMatchesEverythingOption)
            .globalMatch(html);
    int count = 0;
    for (; paths.hasNext(); ++count)
        for (const QString& part :
             paths.next().captured(1).simplified().split(QStringLiteral(" \u25b8 ")))
            QVERIFY2(captions.contains(captionInText(part)), qPrintable(part));
    QVERIFY(count > 10);
}

// A guide per shipped language, whole in itself: UTF-8, no scripts, no
// pictures or other files, links only within the page.
void ShippedTextTest::guide()
{
    QFETCH(QString, language);
    const QByteArray bytes = guideBytes(language);
    QVERIFY(!bytes.isEmpty());
    QStringDecoder utf8(QStringConverter::Utf8);
    const QString html = utf8(bytes);
    QVERIFY(!utf8.hasError());
    QVERIFY(html.contains(QLatin1String("charset=utf-8")));
    for (const char* piece : {"AG", "AC", "G", "C", "V", "EG", "EV"})
        QVERIFY2(html.contains(QStringLiteral("<code>%1</code>").arg(QLatin1String(piece))), piece);
    for (const char* outside : {"<script", "src=", "url(", "@import"})
        QVERIFY2(!html.contains(QLatin1String(outside), Qt::CaseInsensitive), outside);
    QRegularExpressionMatchIterator links =
        QRegularExpression(QStringLiteral("href=\"([^\"]*)\"")).globalMatch(html);
    while (links.hasNext()) {
        const QString target = links.next().captured(1);
        QVERIFY2(target.startsWith(u'#') &&
                     html.contains(QStringLiteral("name=\"%1\"").arg(target.mid(1))),
                 qPrintable(target));
    }
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
