#pragma once

#include <optional>
#include <vector>

namespace kx {

// The position the drive stands under: the first C module, else an AC begin
// piece, else the middle of the row (0 for one piece, 1 for two or three,
// up to 7 for fourteen). No drive on an empty belt.
std::optional<int> drivePosition(const std::vector<int>& pieces);

} // namespace kx
