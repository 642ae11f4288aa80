#pragma once

#include "rules/text_files.h"
#include "rules/wording.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

namespace kx {

// One text that the text pass gives a window, a control or a menu item.
struct TextAssignment
{
    enum class Property { Caption, ToolTip, Visible };

    QString window;  // "wMain" for the main window and its menu items
    QString control; // empty: the window itself
    int index = -1;  // Check_Optional(index), or the toolbar button's number
    Property property = Property::Caption;
    QString text;
    bool visible = true;

    bool operator==(const TextAssignment& other) const
    {
        return window == other.window && control == other.control && index == other.index &&
               property == other.property && text == other.text && visible == other.visible;
    }
};

struct TextPassOutcome
{
    QList<TextAssignment> assignments;
    int failure = 0;      // the RunError number that ended the pass, 0 when it ran through
    FailureReason reason; // and its reason
    // The sections the language file lacks that no words stand in for.
    QStringList missingSections;
};

// A language file that lacks a section no words stand in for is no
// language: the pass that read it fails with 62 and names the section, once
// everything else has been read. The start-up, the language switch and the
// command line's datasheet hold the file to it.
void requireEverySection(TextPassOutcome& outcome, const QString& languageFile);

// A section that language files may lack or end early, so that older and
// home-made files keep working: the program's own German words stand in for
// every line the file does not give.
struct OptionalWords
{
    QString header;
    QString* texts; // the section's lines go to texts[0] .. texts[count - 1]
    const char* const* german;
    int count;

    template <std::size_t N, std::size_t M>
    OptionalWords(const char* header, std::array<QString, N>& texts,
                  const std::array<const char*, M>& german)
        : header(QString::fromLatin1(header)), texts(texts.data()), german(german.data()),
          count(int(N))
    {
        static_assert(N == M, "one German word for every line of the section");
    }

    QString germanWord(int line) const { return QString::fromUtf8(german[line]); }
};

// Every optional section of the language file, with the words its lines go to.
std::vector<OptionalWords> optionalSections(Wording& w);

// The German words of every optional section: the wording before any text pass.
Wording germanWording();

// Reads a text file by the name the text files give it; throws RunError.
using TextFileReader = std::function<TextFile(const QString& name)>;

// The text files are read from the program folder alone: a name that holds
// a path (a separator, "..", or an absolute path) is refused as a missing
// file (53), as is an empty name.
bool isNameInFolder(const QString& name);
TextFileReader folderReader(const QString& folder);

// The lines of the main text file; more than 255 fail with 6.
QStringList mainTextLines(const TextFile& file, const QString& fileName);

// The index of the line after the first line equal to header; 6 when none.
int lineAfter(const QStringList& lines, const QString& header, const QString& fileName);

// The text pass over the main text file and the language file: fills the
// wording as it goes and returns the window texts in the order they are
// due. The failure is reported where it happened; everything before it stands.
TextPassOutcome parseTextPass(Wording& w, const TextFileReader& read);

// The language switch's rewrite of the main text file: the chosen language
// (when there is one) after [SPRACHE], every other line as it was. Unchanged
// lines keep their bytes; every line ends in CR LF.
QByteArray rewriteMainTextFile(const TextFile& file, const std::optional<QString>& chosenLanguage);

} // namespace kx
