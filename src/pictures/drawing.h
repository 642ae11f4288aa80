#pragma once

#include <QPainter>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace kx {

// A picture of the library as the drawing it is made from. It paints onto
// any painter at any size: a printer's or a PDF page's as well as the
// pixels that the stores keep for the screen.
class Drawing
{
public:
    Drawing() = default;
    Drawing(QSize size, std::function<void(QPainter&)> paint);

    bool isNull() const { return !paint_; }
    // The picture's own size in logical pixels.
    QSize size() const { return size_; }

    // Paints the picture into target, scaled to fit with its proportions
    // kept, centred, and nothing outside it.
    void paint(QPainter& painter, const QRectF& target) const;

private:
    QSize size_;
    std::function<void(QPainter&)> paint_;
};

// Picture_M's indexes: type code + variant, for the eleven type codes.
constexpr int PieceDrawingCount = 33;
// The size of Picture_oM<length><side> (length 300, 400, ..., 1500, side 'L'
// or 'R'); empty for any other.
QSize plainBeltSize(int length, QChar side);

// The drawing of Picture_M(index): type code + variant (0 plain, 1 grey,
// 2 red). An index outside 0..32 throws std::out_of_range.
Drawing pieceDrawing(int index);
// The drawing of Picture_Antrieb.
Drawing driveDrawing();
// The drawing of Picture_oM<length><side> (length 300, 400, ..., 1500, side
// 'L' or 'R'); any other throws std::out_of_range.
Drawing plainBeltDrawing(int length, QChar side);
// A belt with side modules as the editor shows it: its pieces by type code
// in belt order, flush, the drive under the piece at drivePosition (none
// below 0). The begin piece of a left-running belt stands at the right.
Drawing modularBeltDrawing(const std::vector<int>& typeCodes, bool rightRunning, int drivePosition);

// A belt as the program knows it: a plain belt by its length, or a belt with
// side modules by its pieces.
struct BeltLook
{
    bool rightRunning = true;
    // Millimetres of a plain belt; it takes the picture of the nearest length
    // that has one (300 to 1500 in steps of 100). Unused when pieces are given.
    int plainLength = 300;
    // Type codes in belt order, begin piece first; empty for a plain belt.
    std::vector<int> pieces;
};

// Draws a belt as vectors onto any painter (printer, PDF page, image, or a
// recorded picture), without widgets: scaled to fit target with its
// proportions kept, centred, nothing outside target. A plain belt shows its
// arrow and drive in the running direction; a belt with side modules shows
// its pieces with their letters and the drive where the editor puts it. The
// painter's state is left as it was.
void paintBelt(QPainter& painter, const QRectF& target, const BeltLook& belt);
// The drawing paintBelt paints; its size gives the belt's proportions, for
// laying out a page around it.
Drawing beltDrawing(const BeltLook& belt);

// Whether a painter draws on paper or into a document (a printer, a PDF, a
// recorded picture) rather than onto the screen's pixels.
bool paintsOnPaper(const QPainter& painter);

} // namespace kx
