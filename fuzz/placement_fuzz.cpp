#include "rules/placement.h"
#include "rules/type_codes.h"

#include <cstddef>
#include <cstdint>

namespace {
// The rules of a belt that every handling must keep.
bool sound(const kx::BeltRow& row, bool right)
{
    const int n = int(row.pieces.size());
    if (n > (row.closed() ? 14 : 13))
        return false;
    for (int k = 0; k < n; ++k) {
        const kx::TypeCode* piece = kx::typeCode(row.pieces[std::size_t(k)]);
        const kx::PieceKind kind = k == 0                       ? kx::PieceKind::Begin
                                   : k == n - 1 && row.closed() ? kx::PieceKind::End
                                                                : kx::PieceKind::Middle;
        if (!piece || piece->kind != kind)
            return false;
        if (piece->running != kx::Running::Either &&
            piece->running != (right ? kx::Running::Right : kx::Running::Left))
            return false;
    }
    return true;
}
} // namespace

// Each pair of bytes is one request as the editor records it: the mark state,
// the piece of a toolbar button and the marked position, which the editor
// only takes from a shown piece.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool right = data[0] & 1;
    static const int rightPieces[] = {0, 3, 24, 27, 30, 12, 15};
    static const int leftPieces[] = {6, 9, 24, 27, 30, 18, 21};
    kx::BeltRow row;
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        const int state = data[i] & 3;
        const int type = (right ? rightPieces : leftPieces)[(data[i] >> 2) % 7];
        const int kind = int(kx::typeCode(type)->kind);
        if (kind == 0)
            row.beginRequested = true;
        const int count = int(row.pieces.size());
        if (state != 0 && count == 0)
            continue;
        const int selected = state == 0 ? 0 : data[i + 1] % count;
        const kx::Placement p =
            kx::placeRequest(row, state, kx::PieceRequest{type, kind, selected});
        if (p.message < 0 || p.message > 10 || !sound(p.row, right))
            __builtin_trap();
        if (p.message != 0 && p.refresh)
            __builtin_trap();
        const int grown = int(p.row.pieces.size()) - count;
        if (grown < -1 || grown > 1 || (p.message != 0 && grown != 0))
            __builtin_trap();
        row = p.row;
    }
    return 0;
}
