#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace kx {

enum class BeltKind { Plain, Modular };

// A belt with side modules holds at most 14 pieces, begin and end piece
// included; an open belt leaves room for the end piece that closes it.
constexpr int MaxPieces = 14;
constexpr int MaxPiecesOpen = MaxPieces - 1;

// Optional features a language may define for each kind of belt.
constexpr int FeatureCount = 6;

// The plain belt's length bar and both editors' width bar.
constexpr int MinLength = 300;
constexpr int MaxLength = 1500;
constexpr int LengthStep = 100;
constexpr int NarrowWidth = 40;
constexpr int WideWidth = 80;

// Millimetres a piece adds to a belt with side modules.
constexpr int EndPieceLength = 150; // a begin or an end piece
constexpr int ModuleLength = 100;

using FeatureChoice = std::array<bool, FeatureCount>;

// One belt, as the editors compose it and a belt file describes it.
struct Belt
{
    BeltKind kind = BeltKind::Plain;
    int width = NarrowWidth;
    int length = MinLength; // the plain belt's; a belt with modules has the length of its pieces
    bool rightRunning = true;
    FeatureChoice features{}; // ticked, in check-box order
    std::vector<int> pieces;  // type codes, begin piece first

    bool modular() const { return kind == BeltKind::Modular; }
    // The last piece is an end piece: nothing can follow it.
    bool closed() const;
    // In millimetres: the plain belt's own, or the sum of the pieces.
    int lengthMm() const;

    bool operator==(const Belt& other) const;
    bool operator!=(const Belt& other) const { return !(*this == other); }
};

// 150 mm for each begin and end piece, 100 mm for each middle module.
int piecesLength(const std::vector<int>& pieces);
bool isClosedRow(const std::vector<int>& pieces);

// The lengths and widths the editors' bars can reach.
bool isPlainLength(int length);
bool isBeltWidth(int width);

// The codes of the features a language file defines, in check-box order
// (at most six for each kind of belt).
struct FeatureCodes
{
    QStringList plain;
    QStringList modular;

    const QStringList& of(BeltKind kind) const { return kind == BeltKind::Plain ? plain : modular; }
};

} // namespace kx
