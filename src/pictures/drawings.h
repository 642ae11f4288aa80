#pragma once

#include <QPixmap>
#include <QSize>

namespace kx {

enum class StartPicture { Plain, RightRunning, LeftRunning };

// Each returns a picture of the given logical size in pixels, rendered at
// the device-pixel ratio.
QPixmap drawPiece(int typeCode, int variant, qreal devicePixelRatio);
QPixmap drawDrive(qreal devicePixelRatio);
QPixmap drawPlainBelt(int length, bool rightRunning, QSize size, qreal devicePixelRatio);
QPixmap drawStartPicture(StartPicture kind, qreal devicePixelRatio);

// Logical sizes.
QSize pieceSize(int typeCode);
QSize startPictureSize(StartPicture kind);

} // namespace kx
