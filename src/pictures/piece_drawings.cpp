#include "pictures/drawing_kit.h"
#include "pictures/drawings.h"
#include "rules/type_codes.h"

namespace kx {

using namespace draw;

namespace {
constexpr int PieceHeight = 48;
constexpr int EndPieceWidth = 90;
constexpr int ModuleWidth = 60;
constexpr int FirstMiddleCode = 24;
constexpr int LeftRunningOffset = 6;

Divider dividerOf(int typeCode)
{
    switch (typeCode) {
    case 3:
    case 9:
    case 27:
        return Divider::Solid;
    case 15:
    case 21:
    case 30:
        return Divider::Dotted;
    default:
        return Divider::None;
    }
}

// Begin and end pieces are a pulley end of 30 pixels and a section of 60;
// the section is what a middle module is, so a row reads as one belt.
void paintRightRunningPiece(QPainter& painter, const Palette& colours, int typeCode)
{
    const QSize size = pieceSize(typeCode);
    BeltRun run;
    run.x1 = size.width();
    qreal section = 0;
    if (drawsBeginPiece(typeCode)) {
        run.left = BeltEnd::Pulley;
        section = EndPieceWidth - ModuleWidth;
    } else if (drawsEndPiece(typeCode)) {
        run.right = BeltEnd::Pulley;
    }
    paintBeltRun(painter, colours, run);
    paintModulePanel(painter, colours, run, section, ModuleWidth);
    paintDivider(painter, colours, run, section + ModuleWidth / 2, dividerOf(typeCode));
    if (drawsBeginPiece(typeCode))
        paintArrow(painter, colours.accent, QPointF(section + 10, 7), QPointF(section + 50, 7));
}

Tint tintOf(int variant)
{
    return variant == 1 ? Tint::Grey : variant == 2 ? Tint::Red : Tint::Plain;
}

// The letters stand on a plate over the middle of the section, on its cover.
constexpr qreal LetterSize = 10;
constexpr qreal PlateHeight = 13;

QPointF letterCentre(int rightRunningCode)
{
    const qreal section = drawsBeginPiece(rightRunningCode) ? EndPieceWidth - ModuleWidth : 0;
    return QPointF(section + ModuleWidth / 2, BeltRun().centreY());
}

void paintPieceBody(QPainter& painter, int typeCode, int variant)
{
    const Palette& colours = palette(tintOf(variant));
    const QSize size = pieceSize(typeCode);
    painter.save();
    if (colours.background.alpha() > 0)
        painter.fillRect(QRect(QPoint(0, 0), size), colours.background);
    if (drawsLeftRunning(typeCode)) {
        painter.translate(size.width(), 0);
        painter.scale(-1, 1);
        typeCode -= LeftRunningOffset;
    }
    paintRightRunningPiece(painter, colours, typeCode);
    painter.restore();
}

void paintPieceLetters(QPainter& painter, int typeCode, int variant)
{
    painter.save();
    if (drawsLeftRunning(typeCode)) {
        painter.translate(pieceSize(typeCode).width(), 0);
        painter.scale(-1, 1);
        typeCode -= LeftRunningOffset;
    }
    paintLetters(painter, palette(tintOf(variant)), pieceLetters(typeCode), letterCentre(typeCode),
                 LetterSize, PlateHeight);
    painter.restore();
}
} // namespace

QString pieceLetters(int typeCode)
{
    // The letters the order code gives the piece.
    const TypeCode* piece = kx::typeCode(typeCode);
    return piece ? QString::fromLatin1(piece->family) : QString();
}

QRectF pieceLettersRect(int typeCode)
{
    const bool mirrored = drawsLeftRunning(typeCode);
    const int drawn = mirrored ? typeCode - LeftRunningOffset : typeCode;
    QPointF centre = letterCentre(drawn);
    if (mirrored)
        centre.setX(pieceSize(typeCode).width() - centre.x());
    return letterPlate(pieceLetters(typeCode), LetterSize, PlateHeight)
        .translated(centre)
        .adjusted(-0.5, -0.5, 0.5, 0.5);
}

QSize pieceSize(int typeCode)
{
    return typeCode < FirstMiddleCode ? QSize(EndPieceWidth, PieceHeight)
                                      : QSize(ModuleWidth, PieceHeight);
}

bool drawsBeginPiece(int typeCode)
{
    return typeCode >= 0 && typeCode < 12;
}

bool drawsEndPiece(int typeCode)
{
    return typeCode >= 12 && typeCode < FirstMiddleCode;
}

bool drawsLeftRunning(int typeCode)
{
    return (typeCode >= 6 && typeCode < 12) || (typeCode >= 18 && typeCode < FirstMiddleCode);
}

void paintPiece(QPainter& painter, int typeCode, int variant, PieceLayers layers)
{
    if (layers != PieceLayers::Letters)
        paintPieceBody(painter, typeCode, variant);
    if (layers != PieceLayers::Body)
        paintPieceLetters(painter, typeCode, variant);
}

QPixmap drawPiece(int typeCode, int variant, qreal devicePixelRatio)
{
    // A left-running piece is the exact mirror image of its right-running
    // twin, but for its letters.
    const bool mirror = drawsLeftRunning(typeCode);
    const int drawn = mirror ? typeCode - LeftRunningOffset : typeCode;
    QImage image = canvas(pieceSize(drawn), devicePixelRatio);
    {
        QPainter painter(&image);
        prepare(painter);
        paintPieceBody(painter, drawn, variant);
    }
    if (mirror) {
        const qreal ratio = image.devicePixelRatio();
        image = image.mirrored(true, false);
        image.setDevicePixelRatio(ratio);
    }
    QPainter painter(&image);
    prepare(painter);
    paintPieceLetters(painter, typeCode, variant);
    painter.end();
    return toPixmap(image);
}

QPixmap drawDrive(qreal devicePixelRatio)
{
    QImage image = canvas(QSize(ModuleWidth, PieceHeight), devicePixelRatio);
    QPainter painter(&image);
    prepare(painter);
    paintDrive(painter, palette());
    painter.end();
    return toPixmap(image);
}

} // namespace kx
