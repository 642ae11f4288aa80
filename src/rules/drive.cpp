#include "drive.h"

#include "type_codes.h"

namespace kx {

int beltLength(bool hasBeginPiece, bool hasEndPiece, int moduleCount)
{
    const int begin = hasBeginPiece && moduleCount > 0 ? 1 : 0;
    const int end = hasEndPiece && moduleCount > begin ? 1 : 0;
    return 150 * begin + 150 * end + 100 * (moduleCount - begin - end);
}

std::optional<int> drivePosition(const std::array<bool, SlotCount>& shown,
                                 const std::array<int, SlotCount>& types, int moduleCount)
{
    std::optional<int> found;
    bool anyShown = false;
    for (int k = 0; k < SlotCount; ++k) {
        if (!shown[std::size_t(k)])
            continue;
        anyShown = true;
        const int type = types[std::size_t(k)];
        if (type == type_code::C)
            return k;
        if (type == type_code::AC_R || type == type_code::AC_L)
            found = k;
    }
    if (!anyShown)
        return std::nullopt;
    if (!found)
        found = moduleCount / 2;
    return found;
}

} // namespace kx
