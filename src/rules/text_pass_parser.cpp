#include "text_pass_parser.h"

#include "run_error.h"

#include <QDir>

#include <algorithm>

namespace kx {

namespace {
using Property = TextAssignment::Property;

const QString MainWindowName = QStringLiteral("wMain");
const QString PlainEditor = QStringLiteral("woM");
const QString ModularEditor = QStringLiteral("wmM");

// One pass over the language file after another; each starts at the top.
class LanguagePass
{
public:
    LanguagePass(Variablen& v, const QStringList& lines, QList<TextAssignment>& out)
        : v_(v), lines_(lines), out_(out), fileName_(v.Language_Name)
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
        v_.Text_Line = lines_.at(position_++);
        return v_.Text_Line;
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
    Variablen& v_;
    const QStringList& lines_;
    QList<TextAssignment>& out_;
    const QString fileName_;
    QString header_;
    qsizetype position_ = 0;
};

void menuSection(LanguagePass& pass)
{
    const QString title = pass.next();
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
    const QString beispiele = line;

    // Each example window is titled after its menu item.
    const QString plainExample = pass.next();
    pass.menuItem("ohne_Module", plainExample);
    pass.caption(QStringLiteral("wAnsicht_01"), QString(),
                 beispiele + QStringLiteral(": ") + plainExample);
    for (int i = 1; i <= 5; ++i)
        pass.caption(QStringLiteral("wAnsicht_01"), QStringLiteral("Label_Ansicht01_0%1").arg(i),
                     pass.next());

    const QString modularExample = pass.next();
    pass.menuItem("mit_Module", modularExample);
    pass.caption(QStringLiteral("wAnsicht_02"), QString(),
                 beispiele + QStringLiteral(": ") + modularExample);
    for (int i = 1; i <= 3; ++i)
        pass.caption(QStringLiteral("wAnsicht_02"), QStringLiteral("Label_Ansicht02_0%1").arg(i),
                     pass.next());

    pass.menuItem("extras", pass.next());
    pass.menuItem("sprache", pass.next());
    pass.menuItem("info", pass.next());
}

void toolbarSection(LanguagePass& pass)
{
    // Buttons 3 and 7 of each toolbar are separators.
    static const int Buttons[] = {1, 2, 4, 5, 6, 8, 9};
    for (const char* toolbar : {"Toolbar_Rechts", "Toolbar_Links"})
        for (int button : Buttons)
            pass.toolTip(ModularEditor, QString::fromLatin1(toolbar), button, pass.next());
}

void otherSection(LanguagePass& pass, Variablen& v)
{
    pass.next(); // read and skipped
    v.Copy_Caption = pass.next();
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
void optionalSection(LanguagePass& pass, const QString& window, bool showControls,
                     FixedArray<QString, 16>& codes, Byte& count, bool& end)
{
    end = false;
    count = 0;
    const QString label = QStringLiteral("Label_Optional");
    const QString box = QStringLiteral("Check_Optional");
    pass.caption(window, label, pass.next());
    if (showControls)
        pass.show(window, label);
    for (int position = 0; position <= 5; ++position) {
        const QString line = pass.next();
        if (line == QLatin1String("XXXXX"))
            end = true;
        if (end)
            continue;
        pass.caption(window, box, line, position);
        if (showControls)
            pass.show(window, box, position);
        codes(position) = pass.next();
        count += 1;
    }
}

void messageSection(LanguagePass& pass, Variablen& v)
{
    for (int i = 0; i <= 11; ++i)
        v.Message_Texts(i) = pass.next();
}

// Each optional section's lines, one after the other, until the section ends.
void optionalWordsSection(LanguagePass& pass, const OptionalWords& section)
{
    for (int i = 0; i < section.count && pass.sectionGoesOn(); ++i)
        section.texts[i] = pass.next();
}

void languageItems(Variablen& v, QList<TextAssignment>& out)
{
    seekIniLine(v, v.Ini_Line_Index, QStringLiteral("[AUSWAHL]"));
    // A line with "xxx" ends the list; it is met again by every later item.
    for (int i = 1; i <= 5; ++i) {
        const QString item = QStringLiteral("sprache%1").arg(i);
        const QString& line = v.Ini_Lines(v.Ini_Line_Index);
        if (line.contains(QLatin1String("xxx"))) {
            out.append(
                TextAssignment{MainWindowName, item, -1, Property::Visible, QString(), false});
        } else {
            out.append(TextAssignment{MainWindowName, item, -1, Property::Caption, line, true});
            v.Ini_Line_Index += 1;
        }
    }
}
} // namespace

std::vector<OptionalWords> optionalSections(Variablen& v)
{
    // Words that only screen readers speak.
    static const std::array<const char*, AccessTextCount> AccessGerman = {
        "Bestellnummer", "Position", "markiert", "zum Ersetzen markiert", "Antrieb"};
    // Captions of the menu commands the old program did not have.
    static const std::array<const char*, CommandTextCount> CommandGerman = {
        "Dieses Band bearbeiten", "Rückgängig", "Wiederholen", "Bestellnummer öffnen...",
        "Bestellnummer:", "Zuletzt geöffnet", "Datenblatt exportieren (PDF)..."};
    // The words of the datasheet page.
    static const std::array<const char*, DatasheetTextCount> DatasheetGerman = {
        "Datenblatt", "Datum",   "Bestellnummer", "Bandart", "Band ohne Module", "Band mit Modulen",
        "Länge",      "Breite",  "Laufrichtung",  "rechts",  "links",            "Optionen",
        "keine",      "Module",  "Antrieb",       "unter %1"};
    // No words but a fact about the file: a file that does not say which
    // language it is in gets none of the toolkit's translations.
    static const std::array<const char*, LocaleTextCount> LocaleNone = {""};
    // Notes shown by a control.
    static const std::array<const char*, NoteTextCount> NoteGerman = {"Kopiert: %1"};
    return {
        {"[BARRIEREFREI]", v.Access_Texts, AccessGerman},
        {"[FEHLER]", v.Failure_Texts, FailureGerman},
        {"[LOCALE]", v.Locale_Texts, LocaleNone},
        {"[HINWEISE]", v.Note_Texts, NoteGerman},
        {"[BEFEHLE]", v.Command_Texts, CommandGerman},
        {"[DATENBLATT]", v.Datasheet_Texts, DatasheetGerman},
        {"[FRAGEN]", v.Question_Texts, QuestionGerman},
    };
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

void loadIniLines(Variablen& v, const TextFile& file)
{
    for (int i = v.Ini_Lines.lower; i <= v.Ini_Lines.upper; ++i)
        v.Ini_Lines(i).clear();
    v.Ini_Line_Index = 0;
    try {
        for (const QString& line : file.lines) {
            v.Ini_Lines(v.Ini_Line_Index) = line;
            v.Ini_Line_Index += 1;
        }
    } catch (const RunError& error) {
        throw failure(error.number, FailTooManyLines, v.Ini_File_Name);
    }
}

void seekIniLine(const Variablen& v, Byte& index, const QString& header)
{
    try {
        index = 0;
        while (v.Ini_Lines(index) != header)
            index += 1;
        index += 1;
    } catch (const RunError& error) {
        throw failure(error.number, FailLineMissing, v.Ini_File_Name, {header});
    }
}

TextPassOutcome parseTextPass(Variablen& v, const TextFileReader& read)
{
    TextPassOutcome outcome;
    const std::vector<OptionalWords> optional = optionalSections(v);
    for (const OptionalWords& section : optional)
        for (int i = 0; i < section.count; ++i)
            section.texts[i] = section.germanWord(i);
    try {
        loadIniLines(v, read(v.Ini_File_Name));
        languageItems(v, outcome.assignments);
        seekIniLine(v, v.Ini_Line_Index, QStringLiteral("[SPRACHE]"));
        v.Language_Line_Index = 0;
        v.Language_Name = v.Ini_Lines(v.Ini_Line_Index);

        const TextFile language = read(v.Language_Name);
        LanguagePass pass(v, language.lines, outcome.assignments);
        pass.run(QStringLiteral("[MENUE]"), [&] { menuSection(pass); });
        pass.run(QStringLiteral("[TB]"), [&] { toolbarSection(pass); });
        pass.run(QStringLiteral("[SONSTIGES]"), [&] { otherSection(pass, v); });

        v.Optional_End_oM = false;
        v.Optional_Count_oM = 0;
        pass.run(QStringLiteral("[OPTIONAL_OM]"), [&] {
            optionalSection(pass, PlainEditor, true, v.Optional_oM, v.Optional_Count_oM,
                            v.Optional_End_oM);
        });
        // The modular editor's set-up decides which of its features are shown.
        v.Optional_End_mM = false;
        v.Optional_Count_mM = 0;
        pass.run(QStringLiteral("[OPTIONAL_MM]"), [&] {
            optionalSection(pass, ModularEditor, false, v.Optional_mM, v.Optional_Count_mM,
                            v.Optional_End_mM);
        });
        pass.run(QStringLiteral("[MSG]"), [&] { messageSection(pass, v); });
        for (const OptionalWords& section : optional)
            pass.run(section.header, [&] { optionalWordsSection(pass, section); });
    } catch (const RunError& error) {
        outcome.failure = error.number;
        outcome.reason = error.reason;
    }
    return outcome;
}

QByteArray rewriteMainTextFile(Variablen& v, const TextFile& file)
{
    loadIniLines(v, file);
    if (v.Ini_Line_Index == 0) // an empty file overflows here
        throw failure(RunError::Overflow, FailLineMissing, v.Ini_File_Name,
                      {QStringLiteral("[SPRACHE]")});
    v.Ini_Last_Index = int(v.Ini_Line_Index) - 1;
    int last = v.Ini_Last_Index;
    if (v.Language_Reloading) {
        seekIniLine(v, v.Language_Line_Index, QStringLiteral("[SPRACHE]"));
        v.Ini_Lines(v.Language_Line_Index) = v.Chosen_Language + QStringLiteral(".ini");
        // A [SPRACHE] on the last line gets the line it lacks.
        last = std::max(last, int(v.Language_Line_Index));
    }

    QByteArray bytes;
    for (int i = 0; i <= last; ++i) {
        const QString& line = v.Ini_Lines(i);
        // Line 0, which holds a byte-order mark if there is one, is never
        // the one rewritten: the language's line comes after [SPRACHE].
        if (i < file.lines.size() && line == file.lines.at(i))
            bytes += file.rawLines.at(i);
        else
            bytes += encodeLine(line, file.encoding);
        bytes += "\r\n";
    }
    return bytes;
}

} // namespace kx
