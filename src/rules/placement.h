#pragma once

#include <vector>

namespace kx {

// The row of pieces of a belt with side modules as the placement engine
// sees it.
struct BeltRow
{
    std::vector<int> pieces; // type codes, begin piece first
    // A begin piece has been asked for on this belt, maybe not yet placed.
    bool beginRequested = false;

    // The last piece is an end piece.
    bool closed() const;
};

// What a click or a double click has marked, and a removal asked for.
enum MarkState { NothingMarked = 0, Clicked = 1, DoubleClicked = 2, RemovalRequested = 3 };

// The refusals of the placement engine: the numbers of their texts in the
// language file's [MSG] section, whose line 0 is the boxes' title.
enum PlacementMessage {
    Placed = 0,
    MsgBeginPieceFirst = 1,     // the first piece of a belt must be a begin piece
    MsgBeltFull = 2,            // the belt already holds 14 pieces
    MsgSecondBeginPiece = 3,    // a second begin piece
    MsgNoRoomForModule = 4,     // 13 pieces: no room for another middle module
    MsgNothingAfterEnd = 5,     // nothing can follow the end piece
    MsgBeginByBegin = 6,        // a begin piece is replaced only by a begin piece
    MsgEndByEnd = 7,            // an end piece only by an end piece; a mark past the row
    MsgModuleByModule = 8,      // a middle module only by a middle module
    MsgOnlyModulesInserted = 9, // only middle modules go after a marked piece
    MsgCannotRemove = 10,       // the begin and the end piece cannot be removed
};

// A recorded request: the piece a toolbar button asked for, its kind (0
// begin, 1 middle, 2 end) and the marked position.
struct PieceRequest
{
    int type = 0;
    int kind = 0;
    int selected = 0;
};

// What the placement engine does with one request.
struct Placement
{
    BeltRow row;
    PlacementMessage message = Placed;
    // The picture variant the marked piece shows while the refusal's box is
    // open, or -1 when the mark is left alone.
    int markVariant = -1;
    // False ends the tick without rebuilding the order code.
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
