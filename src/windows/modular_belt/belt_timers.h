#pragma once

#include "variablen.h"

#include "modular_editor.h"

#include <array>

namespace kx {
class Forms;

// What a drive tick read and left behind. The usual tick, with nothing
// changed since, then reads a few variables and no widget at all.
struct DriveTickMemo {
    bool valid = false;
    EditorStamp window;
    std::array<int, decltype(Variablen::Module_Type)::size()> types{};
    int count = 0;
    bool beginPiece = false;
    bool endPiece = false;
    int driveSlot = 0;
    int shownDriveSlot = 0;
    double length = 0;
};

// Timer_Module's work: carries out or refuses the request wmM recorded.
// False ends the tick without the refresh step.
bool moduleTimerTick(Forms& forms);

// Timer_Antrieb's work before its refresh step: the belt length and the
// drive symbol follow the row.
void driveTimerTick(Forms& forms, DriveTickMemo& memo);

} // namespace kx
