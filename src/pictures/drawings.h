#pragma once

#include <QPainter>
#include <QPixmap>
#include <QSize>

namespace kx {

enum class StartPicture { Plain, RightRunning, LeftRunning };

// Each returns a picture of the given logical size in pixels, rendered at
// the device-pixel ratio (0: the running application's).
QPixmap drawPiece(int typeCode, int variant, qreal devicePixelRatio);
QPixmap drawDrive(qreal devicePixelRatio);
QPixmap drawPlainBelt(int length, bool rightRunning, QSize size, qreal devicePixelRatio);
QPixmap drawStartPicture(StartPicture kind, qreal devicePixelRatio);
// Both running directions at once, sharing the drawing of their row.
struct ModularStartPictures
{
    QPixmap rightRunning;
    QPixmap leftRunning;
};
ModularStartPictures drawModularStartPictures(qreal devicePixelRatio);

// Logical sizes.
QSize pieceSize(int typeCode);
QSize startPictureSize(StartPicture kind);

// Type codes of the pieces.
bool drawsLeftRunning(int typeCode);
bool drawsBeginPiece(int typeCode);
bool drawsEndPiece(int typeCode);

// The letters a piece is known by and shows: AG, AC, G, C, V, EG or EV.
QString pieceLetters(int typeCode);
// Where a piece's picture shows its letters, in its logical box: the plate
// they stand on, outline included.
QRectF pieceLettersRect(int typeCode);

// Paints a piece in its own logical box at the origin; variant 0, 1 or 2.
// A row drawn once and mirrored takes its body alone and its letters after.
enum class PieceLayers { Both, Body, Letters };
void paintPiece(QPainter& painter, int typeCode, int variant,
                PieceLayers layers = PieceLayers::Both);
// Paints a start picture in its own logical box at the origin.
void paintStartPicture(QPainter& painter, StartPicture kind);
// Paints a plain belt of the given size at the origin; arrows in the running
// direction, or both ways when twoWay is set.
void paintPlainBelt(QPainter& painter, QSizeF size, bool rightRunning, bool twoWay);

} // namespace kx
