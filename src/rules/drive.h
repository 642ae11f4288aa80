#pragma once

#include "slot_layout.h"

#include <array>
#include <optional>

namespace kx {

// 150 mm per begin and end piece, 100 mm per middle module, counted from the
// flags and the number of pieces. The flags count only for pieces on the
// belt: a begin piece that is requested but not yet placed adds nothing.
int beltLength(bool hasBeginPiece, bool hasEndPiece, int moduleCount);

// The position the drive stands under: the first C module shown, else an AC
// begin piece shown, else the middle of the row. None when no piece is shown.
std::optional<int> drivePosition(const std::array<bool, SlotCount>& shown,
                                 const std::array<int, SlotCount>& types, int moduleCount);

} // namespace kx
