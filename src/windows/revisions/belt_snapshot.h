#pragma once

#include "variablen.h"

#include <QString>

#include <array>
#include <vector>

namespace kx {

class Forms;
class ModularBeltEditor;
class PlainBeltEditor;

// What an editor holds of its belt, enough to put the belt back: a state
// that undo and redo return to. A plain belt is its bars, their texts, its
// direction and features; a belt with side modules its width, features and
// row of pieces. Its running direction is the set-up's and cannot change
// before the next set-up, which starts a new history.
struct BeltSnapshot
{
    int width = 0;
    QString widthText;
    int length = 0;     // plain belt
    QString lengthText; // plain belt
    bool right = true;  // plain belt
    std::array<bool, FeatureCount> features{};
    std::vector<int> pieces; // type codes, begin piece first
    bool hasBeginPiece = false;
    bool hasEndPiece = false;
    bool beltClosed = false;

    bool operator==(const BeltSnapshot& other) const;
    bool operator!=(const BeltSnapshot& other) const { return !(*this == other); }
};

BeltSnapshot plainSnapshot(const PlainBeltEditor& woM);
BeltSnapshot modularSnapshot(const ModularBeltEditor& wmM, const Variablen& v);

// Put a snapshot back through the editor's controls, as the user's changes
// and the placement engine would have left them: nothing marked, no request
// waiting, and the order code rebuilt on the next tick.
void restorePlain(Forms& forms, PlainBeltEditor& woM, const BeltSnapshot& belt);
void restoreModular(Forms& forms, ModularBeltEditor& wmM, const BeltSnapshot& belt);

} // namespace kx
