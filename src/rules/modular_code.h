#pragma once

#include <QString>

#include <vector>

namespace kx {

// What the order code of a belt with side modules is built from.
struct ModularCodeInput
{
    QString widthText;             // text of Text_Bandbreite
    bool rightChecked = false;     // band_rechts
    bool leftChecked = false;      // band_links
    std::vector<int> pieces;       // type codes of positions 0 .. Module_Count - 1
    std::vector<QString> features; // codes of the checked features, in check-box order

    bool operator==(const ModularCodeInput& other) const
    {
        return rightChecked == other.rightChecked && leftChecked == other.leftChecked &&
               pieces == other.pieces && widthText == other.widthText && features == other.features;
    }
    bool operator!=(const ModularCodeInput& other) const { return !(*this == other); }
};

struct ModularCode
{
    QString code;
    int length = 0;
    // Belts of 2 to 9 pieces also hand their length to Belt_Length.
    bool storesLength = false;
    // The run counters as the build leaves them: the last run keeps its count.
    int runG = 0;
    int runC = 0;
    int runV = 0;
};

// A belt is closed when its last piece is an end piece.
bool isClosedRow(const std::vector<int>& pieces);

// 150 mm per begin or end piece, 100 mm per middle module.
int rowLength(const std::vector<int>& pieces);

// KX<width>-<length>-<R|L>-<begin>-<middle runs>-<end>-<features>. An open
// belt lists every piece after the begin piece as a middle module and has no
// end-piece field, so the code never drops a piece that is on the belt.
ModularCode buildModularCode(const ModularCodeInput& input);

} // namespace kx
