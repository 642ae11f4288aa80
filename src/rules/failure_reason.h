#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace kx {

// Why a file or the printer could not be used: the lines of the language
// file's [FEHLER] section, in their order. In each line %1 stands for the
// file's name, %2 and %3 for the values the reason names.
enum FailureText {
    FailNoSuchFile,         // reading a file that is not there
    FailNoSuchFolder,       // writing into a folder that is not there
    FailNotAFile,           // a folder, pipe, device or socket
    FailTooLarge,           // %2 bytes, at most %3
    FailAccessDenied,       // no permission
    FailNotRead,            // any other failure while reading
    FailNotWritten,         // any other failure while writing
    FailNoOrderCode,        // an empty file, or an empty last line
    FailNoPrefix,           // no "X" to start the fields after
    FailWidth,              // width field %2: neither 40 nor 80
    FailPlainLength,        // length field %2 of a plain belt: not 300 to 1500
    FailModularLength,      // length field %2 of a modular belt: not a number
    FailTooManyPieces,      // %2 pieces, at most %3
    FailNoBeginPiece,       // pieces, but no begin piece before them
    FailSectionCutShort,    // the file ends inside section %2
    FailLineMissing,        // the line %2 is not in the main text file
    FailTooManyLines,       // the main text file has more than 255 lines
    FailNotInProgramFolder, // a language name with a path in it
    FailPrinter,            // the printer %1 did not take the page
    FailOther,              // run-time error %2
    FailReadOnlyFileSystem, // writing onto a file system mounted read-only
    FailDiskFull,           // no space left (or the file may grow no further)
    FailDanglingLink,       // a symbolic link to nothing there
    FailReadOnlyFile,       // an existing file that no one may write
    FailKindLetter,         // a belt file's line starts with neither o nor m
    FailTextBeforeCode,     // something before the "KX" of the code
    FailCharacter,          // %2, as U+XXXX: a control or an invisible mark
    FailDirection,          // direction field %2: neither R nor L
    FailPlainLengthStep,    // length %2 of a plain belt: between the steps of 100
    FailPiecesLength,       // length field %2, the pieces make %3
    FailUnknownPiece,       // %2 stands where a piece belongs
    FailPieceOutOfPlace,    // piece %2 after the end piece, or a begin piece later
    FailPlainHoldsPieces,   // an "o" line with a begin piece after the direction
    FailUnknownFeature,     // %2 is no feature code of the language
    FailNotItsCode,         // %2 reads as the belt whose code is %3
    FailDatasheetNoPieces,  // a belt with side modules without a piece
    FailSectionMissing,     // the language file lacks section %2, which nothing stands in for
    FailureTextCount
};

// The German words of [FEHLER], for a language file without the section or
// cut short in it.
extern const std::array<const char*, FailureTextCount> FailureGerman;

// The lines of the language file's [FRAGEN] section: the questions the
// file commands ask and their buttons' captions (mnemonics allowed).
enum QuestionText {
    QuestionUnsaved, // the belt in front has unsaved changes: save them?
    QuestionSave,    // its buttons
    QuestionDiscard,
    QuestionCancel,        // the answer that changes nothing, for every question
    QuestionReplace,       // %1 already exists: replace it?
    QuestionReplaceButton, // its button
    QuestionTextCount
};

extern const std::array<const char*, QuestionTextCount> QuestionGerman;

// The reason a failure carries to the error box: no kind when the failure's
// number is all there is.
struct FailureReason
{
    std::optional<FailureText> kind;
    QString subject; // the file's name (or the printer's)
    QStringList values;
};

// The informative line of an error box, worded by the [FEHLER] texts: the
// placeholders are filled in one pass, so that a file name holding "%2"
// stays as it is, and long values are cut short. The file's name and the
// values show what would not show by itself: "" for nothing, \0, \t, \n,
// \r and \uXXXX for control characters and direction marks. A reason
// without a kind is told as FailOther with the failure's number.
QString failureText(const FailureReason& reason, int number,
                    const std::array<QString, FailureTextCount>& texts);

// A line of [FRAGEN] of the language in use; %1 is arg, shown as
// failureText shows a file's name.
QString questionText(const std::array<QString, QuestionTextCount>& texts, QuestionText line,
                     const QString& arg = QString());
// Controls and invisible format marks (direction marks above all): a box
// that showed them would reorder or hide its line.
bool isHiddenCharacter(char32_t c);

} // namespace kx
