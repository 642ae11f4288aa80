#include "pictures/drawing_kit.h"
#include "pictures/drawings.h"

#include <QLinearGradient>

#include <cmath>

namespace kx {

using namespace draw;

namespace {
constexpr qreal PlainHeight = 72;

void paintLeg(QPainter& painter, const Palette& colours, qreal centreX, qreal top, qreal foot)
{
    QLinearGradient shade(centreX - 3.5, 0, centreX + 3.5, 0);
    shade.setColorAt(0, colours.plateLight);
    shade.setColorAt(1, colours.plateDark);
    painter.setPen(QPen(colours.line, 1));
    painter.setBrush(shade);
    painter.drawRect(QRectF(centreX - 3.5, top, 7, foot - top - 3));
    painter.setBrush(colours.plateDark);
    painter.drawRect(QRectF(centreX - 7.5, foot - 3, 15, 3));
}

// Rows of pieces for the start pictures: a right-running belt with its drive
// under the C module.
void paintModularRow(QPainter& painter, PieceLayers layers)
{
    const int codes[] = {0, 24, 27, 12};
    qreal x = 0;
    qreal driveX = 0;
    for (const int code : codes) {
        painter.save();
        painter.translate(x, 0);
        paintPiece(painter, code, 0, layers);
        painter.restore();
        if (code == 27)
            driveX = x;
        x += pieceSize(code).width();
    }
    if (layers == PieceLayers::Letters)
        return;
    painter.save();
    painter.translate(driveX, pieceSize(27).height());
    paintDrive(painter, palette());
    painter.restore();
}

void paintBackdrop(QPainter& painter, QSizeF size)
{
    const QRectF card(0.5, 0.5, size.width() - 1, size.height() - 1);
    QLinearGradient shade(0, 0, 0, size.height());
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, QColor(0xe9, 0xee, 0xf2));
    painter.setPen(QPen(QColor(0xc4, 0xcd, 0xd5), 1));
    painter.setBrush(shade);
    painter.drawRoundedRect(card, 6, 6);
}
} // namespace

void paintPlainBelt(QPainter& painter, QSizeF size, bool rightRunning, bool twoWay)
{
    const Palette& colours = palette();
    BeltRun run;
    run.x0 = 0;
    run.x1 = size.width();
    run.top = 23.5;
    run.bottom = 56.5;
    run.left = BeltEnd::Pulley;
    run.right = BeltEnd::Pulley;
    run.capWidth = 28;
    run.joints = false;

    const qreal legInset = std::round(std::max(40.0, size.width() * 0.2));
    for (const qreal x : {legInset, size.width() - legInset})
        paintLeg(painter, colours, x, run.centreY(), size.height() - 2);
    paintBeltRun(painter, colours, run);

    if (!twoWay) {
        // The drive sits on the pulley at the head, where the belt runs to.
        const qreal headX = rightRunning ? run.rightPulleyX() : run.leftPulleyX();
        paintShaftMotor(painter, colours, QPointF(headX, run.centreY()), run.innerRadius() * 0.82);
    }

    const qreal middle = size.width() / 2;
    const qreal half = std::min(70.0, size.width() * 0.18);
    if (twoWay) {
        paintArrow(painter, colours.accent, QPointF(middle - 2, 12), QPointF(middle - half, 12), 2,
                   8, 4.5);
        paintArrow(painter, colours.accent, QPointF(middle + 2, 12), QPointF(middle + half, 12), 2,
                   8, 4.5);
    } else if (rightRunning) {
        paintArrow(painter, colours.accent, QPointF(middle - half, 12), QPointF(middle + half, 12),
                   2, 8, 4.5);
    } else {
        paintArrow(painter, colours.accent, QPointF(middle + half, 12), QPointF(middle - half, 12),
                   2, 8, 4.5);
    }
}

QPixmap drawPlainBelt(int, bool rightRunning, QSize size, qreal devicePixelRatio)
{
    // Lengths above 1000 share widths, so the picture follows its size, not
    // the length.
    QImage image = canvas(size, devicePixelRatio);
    QPainter painter(&image);
    prepare(painter);
    paintPlainBelt(painter, QSizeF(size.width(), PlainHeight), rightRunning, false);
    painter.end();
    return toPixmap(image);
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

namespace {
// The row of pieces, 300 wide and two rows high, under a large arrow, as the
// right-running picture shows it.
void paintStartRow(QPainter& painter, QSize size, PieceLayers layers = PieceLayers::Both)
{
    const qreal scale = 0.9;
    const qreal rowWidth = 300 * scale;
    const qreal height = (22 + 96) * scale;
    const qreal top = (size.height() - height) / 2;
    painter.save();
    painter.translate((size.width() - rowWidth) / 2, top);
    painter.scale(scale, scale);
    if (layers != PieceLayers::Letters)
        paintArrow(painter, palette().accent, QPointF(95, 9), QPointF(205, 9), 3, 11, 6.5);
    painter.translate(0, 22);
    paintModularRow(painter, layers);
    painter.restore();
}

QImage backdrop(QSize size, qreal devicePixelRatio)
{
    QImage image = canvas(size, devicePixelRatio);
    QPainter painter(&image);
    prepare(painter);
    paintBackdrop(painter, size);
    return image;
}
} // namespace

void paintStartPicture(QPainter& painter, StartPicture kind)
{
    const QSize size = startPictureSize(kind);
    paintBackdrop(painter, size);
    painter.save();
    if (kind == StartPicture::Plain) {
        const qreal scale = 1.2;
        const QSizeF belt((size.width() - 24) / scale, PlainHeight);
        painter.translate(12, (size.height() - PlainHeight * scale) / 2);
        painter.scale(scale, scale);
        paintPlainBelt(painter, belt, true, true);
    } else {
        if (kind == StartPicture::LeftRunning) {
            painter.translate(size.width(), 0);
            painter.scale(-1, 1);
        }
        paintStartRow(painter, size);
    }
    painter.restore();
}

QPixmap drawStartPicture(StartPicture kind, qreal devicePixelRatio)
{
    QImage image = canvas(startPictureSize(kind), devicePixelRatio);
    QPainter painter(&image);
    prepare(painter);
    paintStartPicture(painter, kind);
    painter.end();
    return toPixmap(image);
}

ModularStartPictures drawModularStartPictures(qreal devicePixelRatio)
{
    // The left-running picture is the right-running row mirrored, one pixel
    // lower on a picture two pixels taller. On whole device pixels that is
    // the drawn row's mirror image, so the row is drawn once for both.
    const qreal ratio = effectiveRatio(devicePixelRatio);
    if (ratio != std::round(ratio))
        return {drawStartPicture(StartPicture::RightRunning, devicePixelRatio),
                drawStartPicture(StartPicture::LeftRunning, devicePixelRatio)};

    // The pieces' letters are not mirrored: they follow on each picture.
    const QSize rightSize = startPictureSize(StartPicture::RightRunning);
    QImage row = canvas(rightSize, devicePixelRatio);
    {
        QPainter painter(&row);
        prepare(painter);
        paintStartRow(painter, rightSize, PieceLayers::Body);
    }
    QImage right = backdrop(rightSize, devicePixelRatio);
    const QSize leftSize = startPictureSize(StartPicture::LeftRunning);
    QImage left = backdrop(leftSize, devicePixelRatio);
    {
        QPainter painter(&right);
        painter.drawImage(QPointF(0, 0), row);
        prepare(painter);
        paintStartRow(painter, rightSize, PieceLayers::Letters);
    }
    {
        QPainter painter(&left);
        painter.drawImage(QPointF(0, 1), row.mirrored(true, false));
        prepare(painter);
        painter.translate(leftSize.width(), 0);
        painter.scale(-1, 1);
        paintStartRow(painter, leftSize, PieceLayers::Letters);
    }
    return {toPixmap(right), toPixmap(left)};
}

} // namespace kx
