#include "placement.h"

#include "type_codes.h"

namespace kx {

namespace {
constexpr int MaxPieces = 14;
constexpr int MaxPiecesOpen = 13;

int kindOf(PieceKind kind)
{
    return int(kind);
}

// Leftover entries and positions past the slots are no piece.
int typeAt(const BeltRow& row, int position)
{
    if (position < 0 || position >= int(row.Module_Type.size()))
        return -1;
    return row.Module_Type[std::size_t(position)];
}

bool marksAPiece(const BeltRow& row, int position)
{
    return position >= 0 && position < row.Module_Count;
}

Placement refuse(const BeltRow& row, int message, int markVariant = -1)
{
    Placement p;
    p.row = row;
    p.message = message;
    p.markVariant = markVariant;
    p.refresh = false;
    return p;
}

// A marked piece gets its plain picture back before the message.
Placement refuseMarked(const BeltRow& row, int message, int selected)
{
    return refuse(row, message, marksAPiece(row, selected) ? int(PlainPicture) : -1);
}

Placement showOne(const BeltRow& row, SlotWork work, int slot)
{
    Placement p;
    p.row = row;
    p.slotWork = work;
    p.slot = slot;
    p.oldCount = row.Module_Count;
    return p;
}
} // namespace

bool BeltRow::closed() const
{
    return Module_Count > 0 && isEndPiece(typeAt(*this, Module_Count - 1));
}

Placement appendPiece(const BeltRow& row, const PieceRequest& request)
{
    const int n = row.Module_Count;
    if (n >= MaxPieces)
        return refuse(row, 2);
    // The flag alone is not enough: a begin-piece request overwritten by a
    // later one within the same tick leaves it raised.
    if (n == 0 && (!row.Has_Begin_Piece || request.kind != kindOf(PieceKind::Begin)))
        return refuse(row, 1);
    if (n > 0 && request.kind == kindOf(PieceKind::Begin))
        return refuse(row, 3);
    if (n >= MaxPiecesOpen && request.kind != kindOf(PieceKind::End))
        return refuse(row, 4);
    if (row.closed())
        return refuse(row, 5);

    BeltRow next = row;
    next.Module_Type[std::size_t(n)] = request.type;
    next.Module_Count = n + 1;
    Placement p = showOne(next, SlotWork::PlaceOne, n);
    p.oldCount = n;
    if (request.kind == kindOf(PieceKind::End)) {
        p.row.Has_End_Piece = true;
        p.row.Belt_Closed = true;
        p.closesBelt = true;
    }
    return p;
}

Placement insertModule(const BeltRow& row, const PieceRequest& request)
{
    const int n = row.Module_Count;
    const int s = request.selected;
    if (request.kind != kindOf(PieceKind::Middle))
        return refuseMarked(row, 9, s);
    // Before the end-piece test, which would read a leftover entry as a piece.
    if (s < 0 || s >= n)
        return refuseMarked(row, 7, s);
    if (isEndPiece(typeAt(row, s)))
        return refuseMarked(row, 5, s);
    if (row.closed() && n >= MaxPieces)
        return refuseMarked(row, 2, s);
    if (!row.closed() && n >= MaxPiecesOpen)
        return refuseMarked(row, 4, s);

    BeltRow next = row;
    for (int p = n - 1; p > s; --p)
        next.Module_Type[std::size_t(p + 1)] = row.Module_Type[std::size_t(p)];
    next.Module_Type[std::size_t(s + 1)] = request.type;
    next.Module_Count = n + 1;
    Placement p;
    p.row = next;
    p.slotWork = SlotWork::RedrawRow;
    p.oldCount = n;
    return p;
}

Placement replacePiece(const BeltRow& row, const PieceRequest& request)
{
    const int n = row.Module_Count;
    const int s = request.selected;
    // Only a shown piece can be double-clicked; anything else would place a
    // piece beyond the row.
    if (!marksAPiece(row, s))
        return refuseMarked(row, 7, s);

    int wanted = kindOf(PieceKind::Middle);
    int message = 8;
    int refusedVariant = PlainPicture;
    if (s == 0) {
        wanted = kindOf(PieceKind::Begin);
        message = 6;
    } else if (s == n - 1 && row.Has_End_Piece) {
        wanted = kindOf(PieceKind::End);
        message = 7;
        // The end piece is left grey while its message is shown.
        refusedVariant = GreyPicture;
    }
    if (request.kind != wanted)
        return refuse(row, message, refusedVariant);

    BeltRow next = row;
    next.Module_Type[std::size_t(s)] = request.type;
    Placement p = showOne(next, SlotWork::ShowOne, s);
    // A new begin piece leaves the order codes to the drive timer's tick.
    p.refresh = s != 0;
    return p;
}

Placement removePiece(const BeltRow& row, const PieceRequest& request)
{
    const int n = row.Module_Count;
    const int s = request.selected;
    if (s == 0)
        return refuseMarked(row, 10, s);
    // Removing "after the row" would drop its last piece, end piece included.
    if (!marksAPiece(row, s))
        return refuseMarked(row, 7, s);
    if (s == n - 1) {
        if (row.Belt_Closed)
            return refuseMarked(row, 10, s);
        BeltRow next = row;
        next.Module_Count = n - 1;
        Placement p;
        p.row = next;
        p.slotWork = SlotWork::HideOne;
        p.slot = s;
        p.oldCount = n;
        p.refresh = false;
        return p;
    }

    BeltRow next = row;
    for (int p = s + 1; p < n; ++p)
        next.Module_Type[std::size_t(p - 1)] = row.Module_Type[std::size_t(p)];
    next.Module_Count = n - 1;
    Placement p;
    p.row = next;
    p.slotWork = SlotWork::RedrawRow;
    p.oldCount = n;
    return p;
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
    default: {
        Placement p;
        p.row = row;
        p.oldCount = row.Module_Count;
        return p;
    }
    }
}

int flushLeftOf(int previousLeft, int type)
{
    const TypeCode* piece = typeCode(type);
    const bool endPiece = piece && piece->kind == PieceKind::End;
    return previousLeft - (endPiece ? piece->slotWidth : MiddleSlotWidth);
}

} // namespace kx
