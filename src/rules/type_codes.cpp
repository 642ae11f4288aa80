#include "rules/type_codes.h"

#include <QLatin1StringView>

#include <array>

namespace kx {

namespace {
using namespace type_code;

constexpr std::array<TypeCode, 11> Pieces = {{
    {AG_R, "AG-R", "AG", PieceKind::Begin, Running::Right, EndSlotWidth},
    {AC_R, "AC-R", "AC", PieceKind::Begin, Running::Right, EndSlotWidth},
    {AG_L, "AG-L", "AG", PieceKind::Begin, Running::Left, EndSlotWidth},
    {AC_L, "AC-L", "AC", PieceKind::Begin, Running::Left, EndSlotWidth},
    {EG_R, "EG-R", "EG", PieceKind::End, Running::Right, EndSlotWidth},
    {EV_R, "EV-R", "EV", PieceKind::End, Running::Right, EndSlotWidth},
    {EG_L, "EG-L", "EG", PieceKind::End, Running::Left, EndSlotWidth},
    {EV_L, "EV-L", "EV", PieceKind::End, Running::Left, EndSlotWidth},
    {G, "G", "G", PieceKind::Middle, Running::Either, MiddleSlotWidth},
    {C, "C", "C", PieceKind::Middle, Running::Either, MiddleSlotWidth},
    {V, "V", "V", PieceKind::Middle, Running::Either, MiddleSlotWidth},
}};

// The order in which each toolbar's handler tests the keys.
constexpr std::array<int, 7> RightToolbarTests = {AG_R, AC_R, G, C, V, EG_R, EV_R};
constexpr std::array<int, 7> LeftToolbarTests = {AG_L, AC_L, G, C, V, EG_L, EV_L};

bool runsOn(const TypeCode& piece, bool rightRunning)
{
    return piece.running == Running::Either ||
           piece.running == (rightRunning ? Running::Right : Running::Left);
}
} // namespace

const TypeCode* typeCode(int code)
{
    if (code < 0 || code % 3 != 0 || code / 3 >= int(Pieces.size()))
        return nullptr;
    return &Pieces[std::size_t(code / 3)];
}

bool isBeginPiece(int code)
{
    const TypeCode* piece = typeCode(code);
    return piece && piece->kind == PieceKind::Begin;
}

bool isEndPiece(int code)
{
    const TypeCode* piece = typeCode(code);
    return piece && piece->kind == PieceKind::End;
}

bool isMiddleModule(int code)
{
    const TypeCode* piece = typeCode(code);
    return piece && piece->kind == PieceKind::Middle;
}

std::optional<int> typeCodeFor(QStringView family, bool rightRunning)
{
    for (const TypeCode& piece : Pieces)
        if (runsOn(piece, rightRunning) && family == QLatin1StringView(piece.family))
            return piece.code;
    return std::nullopt;
}

std::optional<ToolbarRequest> toolbarRequest(QStringView key, bool rightToolbar)
{
    for (int code : rightToolbar ? RightToolbarTests : LeftToolbarTests) {
        const TypeCode& piece = *typeCode(code);
        if (key == QLatin1StringView(piece.key))
            return ToolbarRequest{piece.code, piece.kind};
    }
    return std::nullopt;
}

} // namespace kx
