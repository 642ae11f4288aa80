#include "rules/drive.h"

#include "rules/type_codes.h"

namespace kx {

std::optional<int> drivePosition(const std::vector<int>& pieces)
{
    if (pieces.empty())
        return std::nullopt;
    std::optional<int> found;
    for (std::size_t k = 0; k < pieces.size(); ++k) {
        const int type = pieces[k];
        if (type == type_code::C)
            return int(k);
        if (type == type_code::AC_R || type == type_code::AC_L)
            found = int(k);
    }
    return found ? *found : int(pieces.size()) / 2;
}

} // namespace kx
