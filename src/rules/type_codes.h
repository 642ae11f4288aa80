#pragma once

#include <QStringView>

#include <optional>

namespace kx {

// The values of Pending_Kind.
enum class PieceKind { Begin = 0, Middle = 1, End = 2 };

enum class Running { Right, Left, Either };

// A piece of the modular belt. The code is also the index of its plain
// picture in Picture_M; code + 1 is the grey (clicked), code + 2 the red
// (double-clicked) picture.
struct TypeCode
{
    int code;
    const char* key;    // key of the toolbar button that requests it
    const char* family; // letters in the order code: AG, AC, EG, EV, G, C, V
    PieceKind kind;
    Running running;
    int slotWidth; // twips
};

namespace type_code {
constexpr int AG_R = 0;
constexpr int AC_R = 3;
constexpr int AG_L = 6;
constexpr int AC_L = 9;
constexpr int EG_R = 12;
constexpr int EV_R = 15;
constexpr int EG_L = 18;
constexpr int EV_L = 21;
constexpr int G = 24;
constexpr int C = 27;
constexpr int V = 30;
} // namespace type_code

enum PictureVariant { PlainPicture = 0, GreyPicture = 1, RedPicture = 2 };

constexpr int EndSlotWidth = 1350;
constexpr int MiddleSlotWidth = 900;

// The piece of a type code, or nullptr for a value that names no piece.
const TypeCode* typeCode(int code);

bool isBeginPiece(int code);
bool isEndPiece(int code);
bool isMiddleModule(int code);

// The type code of a piece given by its family letters ("AG", ..., "V",
// exact case) on a belt of the given running direction.
std::optional<int> typeCodeFor(QStringView family, bool rightRunning);

// What a toolbar button asks the placement engine for.
struct ToolbarRequest
{
    int type;
    PieceKind kind;
};

// The request of the button with this key on Toolbar_Rechts (rightToolbar)
// or Toolbar_Links; keys are compared exactly, a foreign key asks nothing.
std::optional<ToolbarRequest> toolbarRequest(QStringView key, bool rightToolbar);

} // namespace kx
