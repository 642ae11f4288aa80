#pragma once

#include "slot_layout.h"

#include <array>

namespace kx {

// The row of pieces of a belt with side modules, as the shared variables of
// the same names hold it. Entries of Module_Type from Module_Count on are
// left over from earlier pieces and are never read as pieces.
struct BeltRow
{
    int Module_Count = 0;
    std::array<int, SlotCount> Module_Type{};
    bool Has_Begin_Piece = false; // requested, maybe not yet placed
    bool Has_End_Piece = false;
    bool Belt_Closed = false;

    // The last piece is an end piece.
    bool closed() const;
};

// The values of Selection_State.
enum MarkState { NothingMarked = 0, Clicked = 1, DoubleClicked = 2, RemovalRequested = 3 };

// A recorded request: Pending_Type, Pending_Kind and Selected_Module.
struct PieceRequest
{
    int type = 0;
    int kind = 0;
    int selected = 0;
};

enum class SlotWork {
    None,
    PlaceOne,  // slot `slot` is laid out after its neighbour and shows its new piece
    ShowOne,   // slot `slot` shows its new piece where it stands
    HideOne,   // slot `slot` is hidden
    RedrawRow, // every slot below the larger of the old and new count is redrawn
};

// What the placement engine does with one request.
struct Placement
{
    BeltRow row;
    // 1..10: refused with that message; 0: carried out.
    int message = 0;
    // The picture variant the marked slot shows before the message, or -1
    // when no slot is touched.
    int markVariant = -1;
    SlotWork slotWork = SlotWork::None;
    int slot = -1;
    int oldCount = 0;
    // An end piece was appended: the order-code button and its line appear.
    bool closesBelt = false;
    // False ends the tick without rebuilding the order codes.
    bool refresh = true;
};

Placement appendPiece(const BeltRow& row, const PieceRequest& request);
Placement insertModule(const BeltRow& row, const PieceRequest& request);
Placement replacePiece(const BeltRow& row, const PieceRequest& request);
Placement removePiece(const BeltRow& row, const PieceRequest& request);

// The handling the mark state calls for. Every handling ends with nothing
// marked.
Placement placeRequest(const BeltRow& row, int markState, const PieceRequest& request);

// The left edge (twips) of a left-running slot that sits flush against the
// piece before it, which stands to its right at previousLeft.
int flushLeftOf(int previousLeft, int type);

} // namespace kx
