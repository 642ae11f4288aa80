#pragma once

#include "rules/belt.h"

namespace kx {

// The left edges (twips) that a set-up gives the module and drive slots of
// position 0..13. The left-running row mirrors the right-running one about
// x = 6840 when the end slots hold 1350-wide pieces.
constexpr int SlotCount = MaxPieces; // one slot for each piece a belt can hold
constexpr int ModuleSlotTop = 1200;
constexpr int DriveSlotTop = 1920;

constexpr int moduleSlotLeft(bool rightRunning, int position)
{
    if (rightRunning)
        return position == 0 ? 90 : 1440 + 900 * (position - 1);
    return position == 13 ? 90 : 12240 - 900 * position;
}

constexpr int driveSlotLeft(bool rightRunning, int position)
{
    if (rightRunning)
        return position == 0 ? 540 : 1440 + 900 * (position - 1);
    return position == 13 ? 540 : 12240 - 900 * position;
}

} // namespace kx
