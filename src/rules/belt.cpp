#include "rules/belt.h"

#include "rules/type_codes.h"

#include <tuple>

namespace kx {

bool Belt::closed() const
{
    return isClosedRow(pieces);
}

int Belt::lengthMm() const
{
    return modular() ? piecesLength(pieces) : length;
}

bool Belt::operator==(const Belt& other) const
{
    // A belt with side modules has the length of its pieces, whatever the field holds.
    const auto fields = [](const Belt& b) {
        return std::make_tuple(b.kind, b.width, b.lengthMm(), b.rightRunning, b.features);
    };
    return fields(*this) == fields(other) && pieces == other.pieces;
}

int piecesLength(const std::vector<int>& pieces)
{
    int length = 0;
    for (int type : pieces)
        length += isMiddleModule(type) ? ModuleLength : EndPieceLength;
    return length;
}

bool isClosedRow(const std::vector<int>& pieces)
{
    return !pieces.empty() && isEndPiece(pieces.back());
}

bool isPlainLength(int length)
{
    return length >= MinLength && length <= MaxLength && (length - MinLength) % LengthStep == 0;
}

bool isBeltWidth(int width)
{
    return width == NarrowWidth || width == WideWidth;
}

} // namespace kx
