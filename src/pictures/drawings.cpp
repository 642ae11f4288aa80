#include "drawings.h"

#include "program_icons.h"

#include <QPainter>

namespace kx {

namespace {
QPixmap blank(QSize size, qreal dpr, const QColor& colour)
{
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(colour);
    return pixmap;
}
} // namespace

QSize pieceSize(int typeCode)
{
    return typeCode < 24 ? QSize(90, 48) : QSize(60, 48);
}

QSize startPictureSize(StartPicture kind)
{
    switch (kind) {
    case StartPicture::Plain:
        return QSize(295, 107);
    case StartPicture::RightRunning:
        return QSize(295, 125);
    case StartPicture::LeftRunning:
        return QSize(295, 127);
    }
    return QSize();
}

QPixmap drawPiece(int typeCode, int variant, qreal dpr)
{
    static const QColor colours[] = {Qt::white, Qt::lightGray, Qt::red};
    return blank(pieceSize(typeCode), dpr, colours[variant % 3]);
}

QPixmap drawDrive(qreal dpr)
{
    return blank(QSize(60, 48), dpr, Qt::darkGray);
}

QPixmap drawPlainBelt(int, bool, QSize size, qreal dpr)
{
    return blank(size, dpr, Qt::gray);
}

QPixmap drawStartPicture(StartPicture kind, qreal dpr)
{
    return blank(startPictureSize(kind), dpr, Qt::white);
}

QIcon applicationIcon()
{
    QIcon icon;
    icon.addPixmap(blank(QSize(32, 32), 1, Qt::darkBlue));
    icon.addPixmap(blank(QSize(16, 16), 1, Qt::darkBlue));
    return icon;
}

QIcon toolbarIcon(bool, int)
{
    return QIcon(blank(QSize(24, 22), 1, Qt::gray));
}

QPixmap drivePicture(qreal dpr)
{
    return drawDrive(dpr);
}

QPixmap exampleDrawing(int)
{
    return blank(QSize(413, 118), 1, Qt::white);
}

QPixmap exampleView(int, int)
{
    return blank(QSize(205, 154), 1, Qt::lightGray);
}

QPixmap infoLogo()
{
    return blank(QSize(125, 549), 1, Qt::white);
}

} // namespace kx
