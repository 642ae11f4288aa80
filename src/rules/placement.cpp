#include "rules/placement.h"

#include "rules/belt.h"
#include "rules/type_codes.h"

namespace kx {

namespace {
int kindOf(PieceKind kind)
{
    return int(kind);
}

bool marksAPiece(const BeltRow& row, int position)
{
    return position >= 0 && position < int(row.pieces.size());
}

Placement refuse(const BeltRow& row, PlacementMessage message, int markVariant = -1)
{
    Placement p;
    p.row = row;
    p.message = message;
    p.markVariant = markVariant;
    p.refresh = false;
    return p;
}

// A marked piece gets its plain picture back before the message.
Placement refuseMarked(const BeltRow& row, PlacementMessage message, int selected)
{
    return refuse(row, message, marksAPiece(row, selected) ? int(PlainPicture) : -1);
}

Placement carriedOut(BeltRow row, bool refresh = true)
{
    Placement p;
    p.row = std::move(row);
    p.refresh = refresh;
    return p;
}
} // namespace

bool BeltRow::closed() const
{
    return isClosedRow(pieces);
}

Placement appendPiece(const BeltRow& row, const PieceRequest& request)
{
    const int n = int(row.pieces.size());
    if (n >= MaxPieces)
        return refuse(row, MsgBeltFull);
    // The flag alone is not enough: a begin-piece request overwritten by a
    // later one within the same tick leaves it raised.
    if (n == 0 && (!row.beginRequested || request.kind != kindOf(PieceKind::Begin)))
        return refuse(row, MsgBeginPieceFirst);
    if (n > 0 && request.kind == kindOf(PieceKind::Begin))
        return refuse(row, MsgSecondBeginPiece);
    if (n >= MaxPiecesOpen && request.kind != kindOf(PieceKind::End))
        return refuse(row, MsgNoRoomForModule);
    if (row.closed())
        return refuse(row, MsgNothingAfterEnd);

    BeltRow next = row;
    next.pieces.push_back(request.type);
    return carriedOut(next);
}

Placement insertModule(const BeltRow& row, const PieceRequest& request)
{
    const int n = int(row.pieces.size());
    const int s = request.selected;
    if (request.kind != kindOf(PieceKind::Middle))
        return refuseMarked(row, MsgOnlyModulesInserted, s);
    if (!marksAPiece(row, s))
        return refuseMarked(row, MsgEndByEnd, s);
    if (isEndPiece(row.pieces[std::size_t(s)]))
        return refuseMarked(row, MsgNothingAfterEnd, s);
    if (row.closed() && n >= MaxPieces)
        return refuseMarked(row, MsgBeltFull, s);
    if (!row.closed() && n >= MaxPiecesOpen)
        return refuseMarked(row, MsgNoRoomForModule, s);

    BeltRow next = row;
    next.pieces.insert(next.pieces.begin() + s + 1, request.type);
    return carriedOut(next);
}

Placement replacePiece(const BeltRow& row, const PieceRequest& request)
{
    const int n = int(row.pieces.size());
    const int s = request.selected;
    // Only a shown piece can be double-clicked; anything else would place a
    // piece beyond the row.
    if (!marksAPiece(row, s))
        return refuseMarked(row, MsgEndByEnd, s);

    int wanted = kindOf(PieceKind::Middle);
    PlacementMessage message = MsgModuleByModule;
    int refusedVariant = PlainPicture;
    if (s == 0) {
        wanted = kindOf(PieceKind::Begin);
        message = MsgBeginByBegin;
    } else if (s == n - 1 && row.closed()) {
        wanted = kindOf(PieceKind::End);
        message = MsgEndByEnd;
        // The end piece is left grey while its message is shown.
        refusedVariant = GreyPicture;
    }
    if (request.kind != wanted)
        return refuse(row, message, refusedVariant);

    BeltRow next = row;
    next.pieces[std::size_t(s)] = request.type;
    // A new begin piece leaves the order code to the drive timer's tick.
    return carriedOut(next, s != 0);
}

Placement removePiece(const BeltRow& row, const PieceRequest& request)
{
    const int n = int(row.pieces.size());
    const int s = request.selected;
    if (s == 0)
        return refuseMarked(row, MsgCannotRemove, s);
    // Removing "after the row" would drop its last piece, end piece included.
    if (!marksAPiece(row, s))
        return refuseMarked(row, MsgEndByEnd, s);
    if (s == n - 1 && row.closed())
        return refuseMarked(row, MsgCannotRemove, s);

    BeltRow next = row;
    next.pieces.erase(next.pieces.begin() + s);
    // The last piece of an open belt goes without the order code's rebuild.
    return carriedOut(next, s != n - 1);
}

Placement placeRequest(const BeltRow& row, int markState, const PieceRequest& request)
{
    switch (markState) {
    case NothingMarked:
        return appendPiece(row, request);
    case Clicked:
        return insertModule(row, request);
    case DoubleClicked:
        return replacePiece(row, request);
    case RemovalRequested:
        return removePiece(row, request);
    default:
        return carriedOut(row);
    }
}

int flushLeftOf(int previousLeft, int type)
{
    const TypeCode* piece = typeCode(type);
    const bool endPiece = piece && piece->kind == PieceKind::End;
    return previousLeft - (endPiece ? piece->slotWidth : MiddleSlotWidth);
}

} // namespace kx
