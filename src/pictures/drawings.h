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
struct ModularStartPictures {
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

// Paints a piece in its own logical box at the origin; variant 0, 1 or 2.
void paintPiece(QPainter& painter, int typeCode, int variant);
// Paints a plain belt of the given size at the origin; arrows in the running
// direction, or both ways when twoWay is set.
void paintPlainBelt(QPainter& painter, QSizeF size, bool rightRunning, bool twoWay);

} // namespace kx
