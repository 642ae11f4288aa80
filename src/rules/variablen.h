#pragma once

#include "run_error.h"

#include <QString>

#include <array>
#include <cstdint>

namespace kx {

// An unsigned 8-bit counter whose every stored result is range-checked:
// leaving 0..255 is an overflow (error 6), never a wrap-around.
class Byte {
public:
    constexpr Byte() = default;
    Byte(int value) { *this = value; } // NOLINT(google-explicit-constructor)

    Byte& operator=(int value)
    {
        if (value < 0 || value > 255)
            throw RunError(RunError::Overflow);
        value_ = static_cast<std::uint8_t>(value);
        return *this;
    }

    operator int() const { return value_; } // NOLINT(google-explicit-constructor)

    Byte& operator+=(int d) { return *this = int(value_) + d; }
    Byte& operator-=(int d) { return *this = int(value_) - d; }
    Byte& operator++() { return *this += 1; }
    Byte& operator--() { return *this -= 1; }

private:
    std::uint8_t value_ = 0;
};

// A fixed array with indexes Lo..Lo+N-1; any other index is error 9.
template <class T, int N, int Lo = 0>
class FixedArray {
public:
    static constexpr int lower = Lo;
    static constexpr int upper = Lo + N - 1;

    T& operator[](int index) { return items_[offset(index)]; }
    const T& operator[](int index) const { return items_[offset(index)]; }
    T& operator()(int index) { return (*this)[index]; }
    const T& operator()(int index) const { return (*this)[index]; }

    void fill(const T& value) { items_.fill(value); }
    static constexpr int size() { return N; }

private:
    static std::size_t offset(int index)
    {
        if (index < Lo || index > upper)
            throw RunError(RunError::SubscriptOutOfRange);
        return static_cast<std::size_t>(index - Lo);
    }

    std::array<T, N> items_{};
};

// Optional features per kind of belt, and check boxes per editor.
constexpr int FeatureCount = 6;

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
    NoteCopied, // the order-code button copied the code
    NoteTextCount
};

// The lines of the language file's [BEFEHLE] section: the captions of the
// menu commands the old program did not have, in this order. New commands
// add their lines at the end, before CommandTextCount, so that the lines a
// file already has keep their meaning.
enum CommandText {
    CommandEditBelt, // Configuration: edit the loaded belt in front
    CommandUndo,     // Configuration: take back the last change of the belt
    CommandRedo,     // Configuration: bring it back
    CommandOpenCode, // Configuration: open an order code typed or pasted
    CommandOrderCodeLabel, // the label of that command's text box
    CommandRecent,         // File: the belts loaded or saved last
    CommandDatasheet,      // File: export the belt in front as a PDF datasheet
    CommandTextCount
};

// The lines of the language file's [DATENBLATT] section: the words of the
// datasheet page. New lines go at the end, before DatasheetTextCount.
enum DatasheetText {
    DatasheetTitle,
    DatasheetDate,
    DatasheetOrderCode,
    DatasheetKind,
    DatasheetPlain,    // the kind: a belt without side modules
    DatasheetModular,  // the kind: a belt with side modules
    DatasheetLength,
    DatasheetWidth,
    DatasheetDirection,
    DatasheetRight,
    DatasheetLeft,
    DatasheetFeatures,
    DatasheetNone,     // no feature chosen
    DatasheetPieces,
    DatasheetDrive,
    DatasheetDriveUnder, // %1: the piece the drive sits under, with its position
    DatasheetTextCount
};

// The program's shared variables. One instance lives for the whole run and
// survives the reload of the main window; nothing reaches it through a global.
struct Variablen {
    // The row of pieces of the belt with side modules.
    Byte Module_Count;
    FixedArray<Byte, 21> Module_Type;
    bool Has_Begin_Piece = false;
    bool Has_End_Piece = false;
    bool Belt_Closed = false;
    double Belt_Length = 0;

    // Requests and marks of the modular editor.
    Byte Pending_Type;
    Byte Pending_Kind;
    bool Request_Pending = false;
    Byte Selected_Module;
    Byte Selection_State;

    // Drive.
    Byte Drive_Slot;
    Byte Shown_Drive_Slot;

    // Order codes.
    QString Order_Code;
    bool Code_Refresh_oM = false;
    bool Code_Refresh_mM = false;
    QString Copy_Caption;
    Byte Run_Count_G;
    Byte Run_Count_C;
    Byte Run_Count_V;

    // Wording from the text files.
    QString Ini_File_Name;
    FixedArray<QString, 257> Ini_Lines;
    Byte Ini_Line_Index;
    Byte Ini_Last_Index;
    Byte Language_Line_Index;
    QString Language_Name;
    QString Text_Line;
    FixedArray<QString, 16> Optional_oM;
    Byte Optional_Count_oM;
    bool Optional_End_oM = false;
    FixedArray<QString, 16> Optional_mM;
    Byte Optional_Count_mM;
    bool Optional_End_mM = false;
    FixedArray<QString, 257> Message_Texts;
    FixedArray<QString, AccessTextCount> Access_Texts;
    FixedArray<QString, FailureTextCount> Failure_Texts; // [FEHLER], see failure_reason.h
    FixedArray<QString, LocaleTextCount> Locale_Texts;
    FixedArray<QString, NoteTextCount> Note_Texts;
    FixedArray<QString, CommandTextCount> Command_Texts;
    FixedArray<QString, DatasheetTextCount> Datasheet_Texts;
    FixedArray<QString, QuestionTextCount> Question_Texts; // [FRAGEN], see failure_reason.h

    // Language switch.
    QString Chosen_Language;
    bool Language_Switch_Pending = false;
    bool Language_Reloading = false;

    // Commands and failures.
    QString Proc_Name;
    QString Print_Proc_Name;
    QString Config_File_Name;
    QString Config_Line;
};

} // namespace kx
