#include "pictures/picture_store.h"

#include "pictures/drawings.h"

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <utility>

namespace kx {

ModulePictureStore::ModulePictureStore(qreal devicePixelRatio) : devicePixelRatio_(devicePixelRatio)
{}

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

BeltPictureStore::BeltPictureStore(qreal devicePixelRatio) : devicePixelRatio_(devicePixelRatio) {}

namespace {
// The start pictures the build drew: plain, right-running, left-running.
std::array<const PrerenderedPicture*, 3> prerendered{};

QPixmap pixmapOf(const PrerenderedPicture& picture)
{
    const QImage image(reinterpret_cast<const uchar*>(picture.pixels), picture.width,
                       picture.height, picture.width * 4, QImage::Format_ARGB32_Premultiplied);
    return QPixmap::fromImage(image);
}

// The start dialog shows all three at once: they are made together, from the
// build's pixels at a ratio of 1, else drawn.
std::array<QPixmap, 3> startPictures(qreal dpr)
{
    if (dpr == 1 && prerendered[0] && prerendered[1] && prerendered[2])
        return {pixmapOf(*prerendered[0]), pixmapOf(*prerendered[1]), pixmapOf(*prerendered[2])};
    ModularStartPictures both = drawModularStartPictures(dpr);
    return {drawStartPicture(StartPicture::Plain, dpr), std::move(both.rightRunning),
            std::move(both.leftRunning)};
}

// Picture_Start_L shows the right-running belt, Picture_Start_R the left-running.
const QLatin1String StartNames[] = {QLatin1String("Picture_Start_oM"),
                                    QLatin1String("Picture_Start_L"),
                                    QLatin1String("Picture_Start_R")};
} // namespace

void usePrerenderedStartPictures(const PrerenderedPicture* plain,
                                 const PrerenderedPicture* rightRunning,
                                 const PrerenderedPicture* leftRunning)
{
    prerendered = {plain, rightRunning, leftRunning};
}

namespace {
// The plain belt a name stands for: its length and side.
std::optional<std::pair<int, QChar>> plainBeltOf(const QString& name)
{
    for (int length = 300; length <= 1500; length += 100)
        for (const QChar side : {QLatin1Char('L'), QLatin1Char('R')})
            if (name == BeltPictureStore::beltPictureName(length, side))
                return std::make_pair(length, side);
    return std::nullopt;
}

// The picture of a name, drawn; a null picture for a name the store lacks.
QPixmap drawNamedPicture(const QString& name, qreal dpr)
{
    const auto belt = plainBeltOf(name);
    if (!belt)
        return QPixmap();
    return drawPlainBelt(belt->first, belt->second == QLatin1Char('R'),
                         BeltPictureStore::beltPictureSize(belt->first, belt->second), dpr);
}
} // namespace

QSize BeltPictureStore::beltPictureSize(int length, QChar side)
{
    return plainBeltSize(length, side);
}

Drawing BeltPictureStore::drawing(const QString& name)
{
    // The start pictures first: the start-up asks for them, and they are
    // found without building the belt pictures' names.
    // Picture_Start_L shows the right-running belt, Picture_Start_R the left-running.
    const StartPicture kinds[] = {StartPicture::Plain, StartPicture::RightRunning,
                                  StartPicture::LeftRunning};
    for (std::size_t i = 0; i < std::size(kinds); ++i)
        if (name == StartNames[i])
            return Drawing(startPictureSize(kinds[i]), [kind = kinds[i]](QPainter& painter) {
                paintStartPicture(painter, kind);
            });
    if (const auto belt = plainBeltOf(name))
        return plainBeltDrawing(belt->first, belt->second);
    throw std::out_of_range("no picture named " + name.toStdString());
}

int BeltPictureStore::widestBeltPicture()
{
    int widest = 0;
    for (int length = 300; length <= 1500; length += 100)
        for (QChar side : {QLatin1Char('L'), QLatin1Char('R')})
            widest = std::max(widest, plainBeltSize(length, side).width());
    return widest;
}

bool BeltPictureStore::hasBeltPicture(int length)
{
    return !plainBeltSize(length, QLatin1Char('R')).isEmpty();
}

QString BeltPictureStore::beltPictureName(int length, QChar side)
{
    return QStringLiteral("Picture_oM") + QString::number(length) + side;
}

const QPixmap& BeltPictureStore::picture(const QString& name) const
{
    auto it = pictures_.find(name);
    if (it == pictures_.end() &&
        std::find(std::begin(StartNames), std::end(StartNames), name) != std::end(StartNames)) {
        const std::array<QPixmap, 3> start = startPictures(devicePixelRatio_);
        for (std::size_t i = 0; i < start.size(); ++i)
            pictures_.insert(StartNames[i], start[i]);
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
