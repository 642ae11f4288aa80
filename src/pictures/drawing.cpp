#include "pictures/drawing.h"

#include "pictures/drawing_kit.h"
#include "pictures/drawings.h"
#include "rules/belt.h"
#include "rules/drive.h"
#include "rules/type_codes.h"

#include <QPaintEngine>

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>

namespace kx {

Drawing::Drawing(QSize size, std::function<void(QPainter&)> paint)
    : size_(size), paint_(std::move(paint))
{}

void Drawing::paint(QPainter& painter, const QRectF& target) const
{
    if (isNull() || size_.isEmpty() || target.isEmpty())
        return;
    const qreal scale = std::min(target.width() / size_.width(), target.height() / size_.height());
    const QSizeF shown = QSizeF(size_) * scale;
    painter.save();
    painter.translate(target.center() - QPointF(shown.width() / 2, shown.height() / 2));
    painter.scale(scale, scale);
    painter.setClipRect(QRectF(QPointF(0, 0), QSizeF(size_)), Qt::IntersectClip);
    draw::prepare(painter);
    paint_(painter);
    painter.restore();
}

namespace {
// Widths in pixels of the plain-belt pictures, by length 300..1500.
constexpr std::array<int, 13> LeftWidths = {180, 240, 300, 360, 420, 480, 540,
                                            600, 738, 738, 886, 886, 945};
constexpr std::array<int, 13> RightWidths = {180, 240, 300, 360, 420, 480, 540,
                                             600, 738, 886, 886, 886, 945};
constexpr int BeltHeight = 72;
} // namespace

QSize plainBeltSize(int length, QChar side)
{
    if (length < 300 || length > 1500 || length % 100 != 0 ||
        (side != QLatin1Char('L') && side != QLatin1Char('R')))
        return QSize();
    const std::size_t i = std::size_t((length - 300) / 100);
    return QSize((side == QLatin1Char('R') ? RightWidths : LeftWidths)[i], BeltHeight);
}

Drawing pieceDrawing(int index)
{
    if (index < 0 || index >= PieceDrawingCount)
        throw std::out_of_range("Picture_M has no index " + std::to_string(index));
    const int code = index / 3 * 3;
    return Drawing(pieceSize(code), [code, variant = index % 3](QPainter& painter) {
        paintPiece(painter, code, variant);
    });
}

Drawing driveDrawing()
{
    return Drawing(pieceSize(24),
                   [](QPainter& painter) { draw::paintDrive(painter, draw::palette()); });
}

Drawing plainBeltDrawing(int length, QChar side)
{
    const QSize size = plainBeltSize(length, side);
    if (size.isEmpty())
        throw std::out_of_range("no plain belt picture for " + std::to_string(length));
    const bool right = side == QLatin1Char('R');
    return Drawing(size, [size, right](QPainter& painter) {
        paintPlainBelt(painter, QSizeF(size), right, false);
    });
}

Drawing modularBeltDrawing(const std::vector<int>& typeCodes, bool rightRunning, int drivePosition)
{
    struct Placed
    {
        int code;
        int x;
        int driveX;
    };
    // A left-running belt is laid out from its end piece at the left.
    const bool left = !rightRunning;
    std::vector<Placed> row;
    int width = 0;
    for (std::size_t k = 0; k < typeCodes.size(); ++k) {
        const int code = typeCodes[left ? typeCodes.size() - 1 - k : k];
        const int pieceWidth = pieceSize(code).width();
        // The drive hangs under a piece's section, not under its pulley end.
        const bool pulleyAtLeft =
            drawsLeftRunning(code) ? drawsEndPiece(code) : drawsBeginPiece(code);
        row.push_back(
            {code, width, width + (pulleyAtLeft ? pieceWidth - pieceSize(24).width() : 0)});
        width += pieceWidth;
    }
    if (left)
        std::reverse(row.begin(), row.end());
    const int drive =
        drivePosition >= 0 && std::size_t(drivePosition) < row.size() ? drivePosition : -1;
    const int height = pieceSize(24).height() * (drive >= 0 ? 2 : 1);
    return Drawing(QSize(width, height), [row, drive](QPainter& painter) {
        for (const Placed& piece : row) {
            painter.save();
            painter.translate(piece.x, 0);
            paintPiece(painter, piece.code, 0);
            painter.restore();
        }
        if (drive < 0)
            return;
        painter.save();
        painter.translate(row[std::size_t(drive)].driveX, pieceSize(24).height());
        draw::paintDrive(painter, draw::palette());
        painter.restore();
    });
}

namespace {
// The plain-belt picture length nearest to a length in millimetres.
int plainPictureLength(int millimetres)
{
    const int hundreds = (std::clamp(millimetres, 300, 1500) + 50) / 100;
    return hundreds * 100;
}
} // namespace

Drawing beltDrawing(const BeltLook& belt)
{
    if (belt.pieces.empty())
        return plainBeltDrawing(plainPictureLength(belt.plainLength),
                                QLatin1Char(belt.rightRunning ? 'R' : 'L'));
    // Codes that name no piece are left out; the drive stands where the
    // editor's drive timer puts it.
    std::vector<int> row;
    for (const int code : belt.pieces)
        if (typeCode(code) && row.size() < std::size_t(MaxPieces))
            row.push_back(code);
    const std::optional<int> drive = drivePosition(row);
    return modularBeltDrawing(row, belt.rightRunning, drive.value_or(-1));
}

void paintBelt(QPainter& painter, const QRectF& target, const BeltLook& belt)
{
    beltDrawing(belt).paint(painter, target);
}

bool paintsOnPaper(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    if (!engine)
        return false;
    switch (engine->type()) {
    case QPaintEngine::Pdf:
    case QPaintEngine::Picture:
    case QPaintEngine::SVG:
    case QPaintEngine::Windows:
    case QPaintEngine::MacPrinter:
        return true;
    default:
        return false;
    }
}

} // namespace kx
