#pragma once

#include "rules/belt.h"
#include "rules/failure_reason.h"

#include <QString>

#include <array>

namespace kx {

// The lines of the language file's [MSG] section: line 0 titles the
// placement engine's boxes, lines 1 to 10 are their texts.
constexpr int MessageCount = 12;

// The lines of [TB]: the tool tips of the buttons of Toolbar_Rechts, then
// of Toolbar_Links, separators left out.
constexpr int ToolTipCount = 14;

// The lines of the language file's [BARRIEREFREI] section: words that only
// screen readers speak.
enum AccessText {
    AccessOrderCode,       // name of the order-code box
    AccessPosition,        // "Position" before a slot's number
    AccessMarked,          // a piece marked by a click
    AccessMarkedToReplace, // a piece marked by a double click
    AccessDrive,           // the drive symbol
    AccessTextCount
};

// The lines of the language file's [LOCALE] section: which language the
// file is in, for the toolkit's own words (file and print dialogs, context
// menus), e.g. "de" or "en".
enum LocaleText { LocaleName, LocaleTextCount };

// The lines of the language file's [HINWEISE] section: short notes the
// program shows by a control. "%1" stands for what the note is about.
enum NoteText {
    NoteCopied,      // the order-code button copied the code
    NoteLocked,      // tool tip on the locked controls of a loaded belt
    NoteLockedTitle, // the window title's word for a loaded, locked belt
    NoteTextCount
};

// The lines of the language file's [BEFEHLE] section: the captions of the
// menu commands the old program did not have, in this order. New commands
// add their lines at the end, before CommandTextCount, so that the lines a
// file already has keep their meaning.
enum CommandText {
    CommandEditBelt,       // Configuration: edit the loaded belt in front
    CommandUndo,           // Configuration: take back the last change of the belt
    CommandRedo,           // Configuration: bring it back
    CommandOpenCode,       // Configuration: open an order code typed or pasted
    CommandOrderCodeLabel, // the label of that command's text box
    CommandRecent,         // File: the belts loaded or saved last
    CommandDatasheet,      // File: export the belt in front as a PDF datasheet
    CommandHelpMenu,       // the Help menu
    CommandUserGuide,      // Help: the user guide (F1)
    CommandBeltFiles,      // file dialogs: the name of the belt files (*.dat)
    CommandAllFiles,       // file dialogs: the name of all files (*)
    CommandPdfFiles,       // file dialogs: the name of PDF documents (*.pdf)
    CommandTextCount
};

// The lines of the language file's [DATENBLATT] section: the words of the
// datasheet page. New lines go at the end, before DatasheetTextCount.
enum DatasheetText {
    DatasheetTitle,
    DatasheetDate,
    DatasheetOrderCode,
    DatasheetKind,
    DatasheetPlain,   // the kind: a belt without side modules
    DatasheetModular, // the kind: a belt with side modules
    DatasheetLength,
    DatasheetWidth,
    DatasheetDirection,
    DatasheetRight,
    DatasheetLeft,
    DatasheetFeatures,
    DatasheetNone, // no feature chosen
    DatasheetPieces,
    DatasheetDrive,
    DatasheetDriveUnder, // %1: the piece the drive sits under, with its position
    DatasheetTextCount
};

// The optional features of one kind of belt, as [OPTIONAL_OM] or
// [OPTIONAL_MM] defines them.
struct FeatureList
{
    int count = 0; // 0 to 6
    std::array<QString, FeatureCount> captions;
    std::array<QString, FeatureCount> codes;

    QStringList definedCodes() const;
};

// Every word the program takes from its text files that is not a window's
// or control's caption: what the text pass read last. It survives the reload
// of the main window.
struct Wording
{
    QString languageFile;                              // the language file named after [SPRACHE]
    QString title = QStringLiteral("KX-Konfigurator"); // [MENUE] line 1: the program's caption
    QString copyCaption; // [SONSTIGES] line 2: the order-code button's caption
    FeatureList plainFeatures;
    FeatureList modularFeatures;
    std::array<QString, MessageCount> messages;
    std::array<QString, ToolTipCount> toolTips;

    // The optional sections; the program's German words stand in for the
    // lines a file does not give.
    std::array<QString, AccessTextCount> access;
    std::array<QString, FailureTextCount> failures;
    std::array<QString, LocaleTextCount> locale;
    std::array<QString, NoteTextCount> notes;
    std::array<QString, CommandTextCount> commands;
    std::array<QString, DatasheetTextCount> datasheet;
    std::array<QString, QuestionTextCount> questions;

    const FeatureList& features(BeltKind kind) const
    {
        return kind == BeltKind::Plain ? plainFeatures : modularFeatures;
    }
    FeatureCodes featureCodes() const;
    // The words of a piece, as the tool tip of the button that places it
    // says them, else its letters ("AG", "C").
    QString pieceWords(int type) const;
    // "Module C, position 3": a piece at a position counted from 1, as a
    // screen reader, a tool tip and the datasheet say it.
    QString pieceAt(int type, int position) const;
};

// A menu caption as plain words: the mnemonic marks gone, "&&" kept as the
// ampersand it shows.
QString plainCaption(QString caption);
// The title of the dialog a menu item opens: its plain words without the
// dots that say a dialog follows.
QString dialogTitle(const QString& caption);

} // namespace kx
