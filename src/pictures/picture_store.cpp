#include "picture_store.h"

#include "drawings.h"

#include <stdexcept>

namespace kx {

namespace {
// Widths in pixels of the plain-belt pictures, by length 300..1500.
constexpr std::array<int, 13> LeftWidths = {180, 240, 300, 360, 420, 480, 540,
                                            600, 738, 738, 886, 886, 945};
constexpr std::array<int, 13> RightWidths = {180, 240, 300, 360, 420, 480, 540,
                                             600, 738, 886, 886, 886, 945};
constexpr int BeltHeight = 72;
} // namespace

ModulePictureStore::ModulePictureStore(qreal devicePixelRatio)
{
    for (int index = 0; index < PictureCount; ++index)
        pieces_[std::size_t(index)] = drawPiece(index / 3 * 3, index % 3, devicePixelRatio);
    drive_ = drawDrive(devicePixelRatio);
}

const QPixmap& ModulePictureStore::Picture_M(int index) const
{
    if (index < 0 || index >= PictureCount)
        throw std::out_of_range("Picture_M has no index " + std::to_string(index));
    return pieces_[std::size_t(index)];
}

BeltPictureStore::BeltPictureStore(qreal devicePixelRatio)
{
    for (int i = 0; i < 13; ++i) {
        const int length = 300 + 100 * i;
        pictures_.insert(beltPictureName(length, QLatin1Char('L')),
                         drawPlainBelt(length, false, QSize(LeftWidths[std::size_t(i)], BeltHeight),
                                       devicePixelRatio));
        pictures_.insert(beltPictureName(length, QLatin1Char('R')),
                         drawPlainBelt(length, true, QSize(RightWidths[std::size_t(i)], BeltHeight),
                                       devicePixelRatio));
    }
    pictures_.insert(QStringLiteral("Picture_Start_L"),
                     drawStartPicture(StartPicture::RightRunning, devicePixelRatio));
    pictures_.insert(QStringLiteral("Picture_Start_R"),
                     drawStartPicture(StartPicture::LeftRunning, devicePixelRatio));
    pictures_.insert(QStringLiteral("Picture_Start_oM"),
                     drawStartPicture(StartPicture::Plain, devicePixelRatio));
}

bool BeltPictureStore::hasBeltPicture(int length)
{
    return length >= 300 && length <= 1500 && length % 100 == 0;
}

QString BeltPictureStore::beltPictureName(int length, QChar side)
{
    return QStringLiteral("Picture_oM") + QString::number(length) + side;
}

const QPixmap& BeltPictureStore::picture(const QString& name) const
{
    const auto it = pictures_.constFind(name);
    if (it == pictures_.constEnd())
        throw std::out_of_range("no picture named " + name.toStdString());
    return *it;
}

} // namespace kx
