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
    : devicePixelRatio_(devicePixelRatio)
{
}

const QPixmap& ModulePictureStore::Picture_M(int index) const
{
    if (index < 0 || index >= PictureCount)
        throw std::out_of_range("Picture_M has no index " + std::to_string(index));
    QPixmap& picture = pieces_[std::size_t(index)];
    if (picture.isNull())
        picture = drawPiece(index / 3 * 3, index % 3, devicePixelRatio_);
    return picture;
}

const QPixmap& ModulePictureStore::Picture_Antrieb() const
{
    if (drive_.isNull())
        drive_ = drawDrive(devicePixelRatio_);
    return drive_;
}

BeltPictureStore::BeltPictureStore(qreal devicePixelRatio) : devicePixelRatio_(devicePixelRatio)
{
}

namespace {
struct Prerendered {
    const PrerenderedPicture* plain = nullptr;
    const PrerenderedPicture* rightRunning = nullptr;
    const PrerenderedPicture* leftRunning = nullptr;
};
Prerendered prerendered;

QPixmap pixmapOf(const PrerenderedPicture* picture)
{
    if (!picture)
        return QPixmap();
    const QImage image(reinterpret_cast<const uchar*>(picture->pixels), picture->width,
                       picture->height, picture->width * 4, QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(image);
}
} // namespace

void usePrerenderedStartPictures(const PrerenderedPicture* plain,
                                 const PrerenderedPicture* rightRunning,
                                 const PrerenderedPicture* leftRunning)
{
    prerendered = Prerendered{plain, rightRunning, leftRunning};
}

namespace {
// The picture of a name, drawn; a null picture for a name the store lacks.
QPixmap drawNamedPicture(const QString& name, qreal dpr)
{
    if (name == QLatin1String("Picture_Start_oM")) {
        if (dpr == 1 && prerendered.plain)
            return pixmapOf(prerendered.plain);
        return drawStartPicture(StartPicture::Plain, dpr);
    }
    for (int i = 0; i < 13; ++i) {
        const int length = 300 + 100 * i;
        for (const bool right : {false, true}) {
            if (name != BeltPictureStore::beltPictureName(length, QLatin1Char(right ? 'R' : 'L')))
                continue;
            const int width = (right ? RightWidths : LeftWidths)[std::size_t(i)];
            return drawPlainBelt(length, right, QSize(width, BeltHeight), dpr);
        }
    }
    return QPixmap();
}
} // namespace

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
    auto it = pictures_.find(name);
    // The start dialog shows both running directions; they are drawn together.
    if (it == pictures_.end() &&
        (name == QLatin1String("Picture_Start_L") || name == QLatin1String("Picture_Start_R"))) {
        ModularStartPictures both =
            devicePixelRatio_ == 1 && prerendered.rightRunning && prerendered.leftRunning
                ? ModularStartPictures{pixmapOf(prerendered.rightRunning),
                                       pixmapOf(prerendered.leftRunning)}
                : drawModularStartPictures(devicePixelRatio_);
        pictures_.insert(QStringLiteral("Picture_Start_L"), both.rightRunning);
        pictures_.insert(QStringLiteral("Picture_Start_R"), both.leftRunning);
        it = pictures_.find(name);
    }
    if (it == pictures_.end()) {
        QPixmap picture = drawNamedPicture(name, devicePixelRatio_);
        if (picture.isNull())
            throw std::out_of_range("no picture named " + name.toStdString());
        it = pictures_.insert(name, picture);
    }
    return *it;
}

} // namespace kx
