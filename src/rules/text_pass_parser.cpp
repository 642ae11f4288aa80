#include "rules/text_pass_parser.h"

#include "rules/run_error.h"
#include "rules/user_text_files.h"

#include <QDir>

#include <algorithm>

namespace kx {

namespace {
using Property = TextAssignment::Property;

const QString MainWindowName = QStringLiteral("wMain");
const QString PlainEditor = QStringLiteral("woM");
const QString ModularEditor = QStringLiteral("wmM");

// At most this many lines of the main text file are read.
constexpr int MainTextLineLimit = 255;
constexpr int LanguageItemCount = 5;

QString mainFileName()
{
    return QString::fromLatin1(MainTextFileName);
}

// One pass over the language file after another; each starts at the top.
class LanguagePass
{
public:
    LanguagePass(const QString& fileName, const QStringList& lines, QList<TextAssignment>& out)
        : lines_(lines), out_(out), fileName_(fileName)
    {}

    template <class Section> void run(const QString& header, Section section)
    {
        position_ = 0;
        while (position_ < lines_.size())
            if (next() == header) {
                header_ = header;
                section();
            }
    }

    // A line of the section begun by the last header: not past the end,
    // not empty and not the next header.
    bool sectionGoesOn() const
    {
        return position_ < lines_.size() && !lines_.at(position_).isEmpty() &&
               !lines_.at(position_).startsWith(QLatin1Char('['));
    }

    // Reading past the end inside a section is error 62.
    const QString& next()
    {
        if (position_ >= lines_.size())
            throw failure(RunError::InputPastEnd, FailSectionCutShort, fileName_, {header_});
        return lines_.at(position_++);
    }

    void caption(const QString& window, const QString& control, const QString& text, int index = -1)
    {
        out_.append(TextAssignment{window, control, index, Property::Caption, text, true});
    }

    void show(const QString& window, const QString& control, int index = -1)
    {
        out_.append(TextAssignment{window, control, index, Property::Visible, QString(), true});
    }

    void toolTip(const QString& window, const QString& toolbar, int button, const QString& text)
    {
        out_.append(TextAssignment{window, toolbar, button, Property::ToolTip, text, true});
    }

    void menuItem(const char* name, const QString& text)
    {
        caption(MainWindowName, QString::fromLatin1(name), text);
    }

private:
    const QStringList& lines_;
    QList<TextAssignment>& out_;
    const QString fileName_;
    QString header_;
    qsizetype position_ = 0;
};

void menuSection(LanguagePass& pass, Wording& w)
{
    const QString title = pass.next();
    w.title = title;
    pass.caption(MainWindowName, QString(), title);
    pass.caption(QStringLiteral("wInfo"), QStringLiteral("Label_Titel"), title);
    pass.caption(PlainEditor, QString(), pass.next());
    pass.caption(ModularEditor, QString(), pass.next());
    pass.caption(QStringLiteral("wInfo"), QString(), pass.next());

    static const char* const Items[] = {"datei",       "laden",         "speichern",      "drucken",
                                        "beenden",     "konfiguration", "band_erstellen", "band_om",
                                        "band_rechts", "band_links",    "beispiele"};
    QString line;
    for (const char* item : Items) {
        line = pass.next();
        pass.menuItem(item, line);
    }
    // A window titled after menu items shows their words, not their mnemonics.
    const QString beispiele = plainCaption(line);

    const QString plainExample = pass.next();
    pass.menuItem("ohne_Module", plainExample);
    pass.caption(QStringLiteral("wAnsicht_01"), QString(),
                 beispiele + QStringLiteral(": ") + plainCaption(plainExample));
    for (int i = 1; i <= 5; ++i)
        pass.caption(QStringLiteral("wAnsicht_01"), QStringLiteral("Label_Ansicht01_0%1").arg(i),
                     pass.next());

    const QString modularExample = pass.next();
    pass.menuItem("mit_Module", modularExample);
    pass.caption(QStringLiteral("wAnsicht_02"), QString(),
                 beispiele + QStringLiteral(": ") + plainCaption(modularExample));
    for (int i = 1; i <= 3; ++i)
        pass.caption(QStringLiteral("wAnsicht_02"), QStringLiteral("Label_Ansicht02_0%1").arg(i),
                     pass.next());

    pass.menuItem("extras", pass.next());
    pass.menuItem("sprache", pass.next());
    pass.menuItem("info", pass.next());
}

void toolbarSection(LanguagePass& pass, Wording& w)
{
    // Buttons 3 and 7 of each toolbar are separators.
    static const int Buttons[] = {1, 2, 4, 5, 6, 8, 9};
    std::size_t line = 0;
    for (const char* toolbar : {"Toolbar_Rechts", "Toolbar_Links"})
        for (int button : Buttons) {
            w.toolTips[line] = pass.next();
            pass.toolTip(ModularEditor, QString::fromLatin1(toolbar), button, w.toolTips[line]);
            ++line;
        }
}

void otherSection(LanguagePass& pass, Wording& w)
{
    pass.next(); // read and skipped
    w.copyCaption = pass.next();
    for (const char* control : {"Label_Bandlaenge", "Label_Bandlaufrichtung", "Option_Rechts",
                                "Option_Links", "Label_Bandbreite"}) {
        const QString text = pass.next();
        pass.caption(PlainEditor, QString::fromLatin1(control), text);
        pass.caption(ModularEditor, QString::fromLatin1(control), text);
    }
    for (const char* control : {"Command_Start_oM", "Command_Start_R", "Command_Start_L"})
        pass.caption(QStringLiteral("wStart"), QString::fromLatin1(control), pass.next());
}

// Each occurrence of the section defines the features anew: counting on
// across a repeated header would give more features than there are boxes.
// "XXXXX" in place of a feature ends the list; a line for each position
// left follows it and is skipped.
void optionalSection(LanguagePass& pass, const QString& window, bool showControls,
                     FeatureList& features)
{
    features = FeatureList();
    const QString label = QStringLiteral("Label_Optional");
    const QString box = QStringLiteral("Check_Optional");
    pass.caption(window, label, pass.next());
    if (showControls)
        pass.show(window, label);
    bool ended = false;
    for (int position = 0; position < FeatureCount; ++position) {
        const QString line = pass.next();
        ended = ended || line == QLatin1String("XXXXX");
        if (ended)
            continue;
        pass.caption(window, box, line, position);
        if (showControls)
            pass.show(window, box, position);
        features.captions[std::size_t(position)] = line;
        features.codes[std::size_t(position)] = pass.next();
        features.count += 1;
    }
}

void messageSection(LanguagePass& pass, Wording& w)
{
    for (QString& message : w.messages)
        message = pass.next();
}

// Each optional section's lines, one after the other, until the section ends.
void optionalWordsSection(LanguagePass& pass, const OptionalWords& section)
{
    for (int i = 0; i < section.count && pass.sectionGoesOn(); ++i)
        section.texts[i] = pass.next();
}

void languageItems(const QStringList& lines, QList<TextAssignment>& out)
{
    int index = lineAfter(lines, QStringLiteral("[AUSWAHL]"), mainFileName());
    // A line with "xxx" ends the list; it is met again by every later item.
    for (int i = 1; i <= LanguageItemCount; ++i) {
        const QString item = QStringLiteral("sprache%1").arg(i);
        const QString line = lines.value(index);
        if (line.contains(QLatin1String("xxx"))) {
            out.append(
                TextAssignment{MainWindowName, item, -1, Property::Visible, QString(), false});
        } else {
            out.append(TextAssignment{MainWindowName, item, -1, Property::Caption, line, true});
            ++index;
        }
    }
}

template <std::size_t N> void fillGerman(std::array<QString, N>& texts, const OptionalWords& words)
{
    for (int i = 0; i < words.count; ++i)
        texts[std::size_t(i)] = words.germanWord(i);
}
} // namespace

std::vector<OptionalWords> optionalSections(Wording& w)
{
    // Words that only screen readers speak.
    static const std::array<const char*, AccessTextCount> AccessGerman = {
        "Bestellnummer", "Position", "markiert", "zum Ersetzen markiert", "Antrieb"};
    // Captions of the menu commands the old program did not have, and the
    // file dialogs' names of the kinds of file.
    static const std::array<const char*, CommandTextCount> CommandGerman = {
        "&Dieses Band bearbeiten",
        "&Rückgängig",
        "&Wiederholen",
        "Bestellnummer ö&ffnen…",
        "Bestellnummer:",
        "&Zuletzt geöffnet",
        "Datenblatt &exportieren (PDF)…",
        "&Hilfe",
        "&Benutzerhandbuch",
        "Banddateien",
        "Alle Dateien",
        "PDF-Dokumente"};
    // The words of the datasheet page.
    static const std::array<const char*, DatasheetTextCount> DatasheetGerman = {
        "Datenblatt",
        "Datum",
        "Bestellnummer",
        "Bandart",
        "Band ohne Module",
        "Band mit Modulen",
        "Länge",
        "Breite",
        "Laufrichtung",
        "rechts",
        "links",
        "Optionen",
        "keine",
        "Teile",
        "Antrieb",
        "unter %1",
    };
    // No words but a fact about the file: a file that does not say which
    // language it is in gets none of the toolkit's translations.
    static const std::array<const char*, LocaleTextCount> LocaleNone = {""};
    // Notes shown by a control.
    static const std::array<const char*, NoteTextCount> NoteGerman = {
        "Kopiert: %1",
        "Ein geladenes Band ist gesperrt. Konfiguration › Dieses Band bearbeiten gibt es zum "
        "Ändern frei.",
        "gesperrt"};
    return {
        {"[BARRIEREFREI]", w.access, AccessGerman}, {"[FEHLER]", w.failures, FailureGerman},
        {"[LOCALE]", w.locale, LocaleNone},         {"[HINWEISE]", w.notes, NoteGerman},
        {"[BEFEHLE]", w.commands, CommandGerman},   {"[DATENBLATT]", w.datasheet, DatasheetGerman},
        {"[FRAGEN]", w.questions, QuestionGerman},
    };
}

Wording germanWording()
{
    Wording w;
    for (const OptionalWords& section : optionalSections(w))
        for (int i = 0; i < section.count; ++i)
            section.texts[i] = section.germanWord(i);
    return w;
}

bool isNameInFolder(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) &&
           !name.contains(QLatin1Char('\\')) && !name.contains(QLatin1String("..")) &&
           !QDir::isAbsolutePath(name);
}

TextFileReader folderReader(const QString& folder)
{
    return [folder](const QString& name) {
        if (!isNameInFolder(name))
            throw failure(RunError::FileNotFound, FailNotInProgramFolder,
                          name.isEmpty() ? QStringLiteral("\"\"") : name);
        return readTextFile(QDir(folder).filePath(name));
    };
}

QStringList mainTextLines(const TextFile& file, const QString& fileName)
{
    // Its lines are counted by a byte: the 256th overflows it.
    if (file.lines.size() > MainTextLineLimit)
        throw failure(RunError::Overflow, FailTooManyLines, fileName);
    return file.lines;
}

int lineAfter(const QStringList& lines, const QString& header, const QString& fileName)
{
    const qsizetype found = lines.indexOf(header);
    // The search runs on past the last line until its counter overflows.
    if (found < 0 || found >= MainTextLineLimit)
        throw failure(RunError::Overflow, FailLineMissing, fileName, {header});
    return int(found) + 1;
}

TextPassOutcome parseTextPass(Wording& w, const TextFileReader& read)
{
    TextPassOutcome outcome;
    const std::vector<OptionalWords> optional = optionalSections(w);
    for (const OptionalWords& section : optional)
        for (int i = 0; i < section.count; ++i)
            section.texts[i] = section.germanWord(i);
    try {
        const QStringList lines = mainTextLines(read(mainFileName()), mainFileName());
        languageItems(lines, outcome.assignments);
        w.languageFile = lines.value(lineAfter(lines, QStringLiteral("[SPRACHE]"), mainFileName()));

        const TextFile language = read(w.languageFile);
        for (const char* header :
             {"[MENUE]", "[TB]", "[SONSTIGES]", "[OPTIONAL_OM]", "[OPTIONAL_MM]", "[MSG]"})
            if (!language.lines.contains(QLatin1String(header)))
                outcome.missingSections << QString::fromLatin1(header);
        LanguagePass pass(w.languageFile, language.lines, outcome.assignments);
        pass.run(QStringLiteral("[MENUE]"), [&] { menuSection(pass, w); });
        pass.run(QStringLiteral("[TB]"), [&] { toolbarSection(pass, w); });
        pass.run(QStringLiteral("[SONSTIGES]"), [&] { otherSection(pass, w); });
        w.plainFeatures = FeatureList();
        pass.run(QStringLiteral("[OPTIONAL_OM]"),
                 [&] { optionalSection(pass, PlainEditor, true, w.plainFeatures); });
        // The modular editor's set-up decides which of its features are shown.
        w.modularFeatures = FeatureList();
        pass.run(QStringLiteral("[OPTIONAL_MM]"),
                 [&] { optionalSection(pass, ModularEditor, false, w.modularFeatures); });
        pass.run(QStringLiteral("[MSG]"), [&] { messageSection(pass, w); });
        for (const OptionalWords& section : optional)
            pass.run(section.header, [&] { optionalWordsSection(pass, section); });
    } catch (const RunError& error) {
        outcome.failure = error.number;
        outcome.reason = error.reason;
    }
    return outcome;
}

void requireEverySection(TextPassOutcome& outcome, const QString& languageFile)
{
    if (outcome.failure != 0 || outcome.missingSections.isEmpty())
        return;
    outcome.failure = RunError::InputPastEnd;
    outcome.reason =
        FailureReason{FailSectionMissing, languageFile, {outcome.missingSections.constFirst()}};
}

QByteArray rewriteMainTextFile(const TextFile& file, const std::optional<QString>& chosenLanguage)
{
    QStringList lines = mainTextLines(file, mainFileName());
    if (lines.isEmpty()) // an empty file has no last line to write
        throw failure(RunError::Overflow, FailLineMissing, mainFileName(),
                      {QStringLiteral("[SPRACHE]")});
    if (chosenLanguage) {
        const int index = lineAfter(lines, QStringLiteral("[SPRACHE]"), mainFileName());
        // A [SPRACHE] on the last line gets the line it lacks.
        if (index == lines.size())
            lines.append(QString());
        lines[index] = *chosenLanguage + QStringLiteral(".ini");
    }

    QByteArray bytes;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        // Line 0, which holds a byte-order mark if there is one, is never
        // the one rewritten: the language's line comes after [SPRACHE].
        if (i < file.lines.size() && lines.at(i) == file.lines.at(i))
            bytes += file.rawLines.at(i);
        else
            bytes += encodeLine(lines.at(i), file.encoding);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace kx
