#include "pictures/drawing_kit.h"
#include "pictures/drawings.h"
#include "pictures/font_family.h"
#include "pictures/program_icons.h"

#include <QFont>
#include <QFontMetricsF>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <utility>

namespace kx {

using namespace draw;

namespace {
// The ratios every icon carries, so that it stays sharp on any screen.
QList<qreal> iconRatios()
{
    QList<qreal> ratios{1.0, 2.0};
    const qreal screen = effectiveRatio(0);
    if (!ratios.contains(screen))
        ratios.append(screen);
    return ratios;
}

void paintApplicationIcon(QPainter& painter, int size)
{
    const qreal s = size;
    QLinearGradient tile(0, 0, 0, s);
    tile.setColorAt(0, QColor(0x2f, 0x86, 0xe0));
    tile.setColorAt(1, QColor(0x12, 0x43, 0x82));
    painter.setPen(QPen(QColor(0x0d, 0x33, 0x66), 1));
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(0.5, 0.5, s - 1, s - 1), s * 0.2, s * 0.2);

    // A belt loop round two pulleys with its running arrow above.
    const bool small = size < 24;
    const qreal stroke = small ? 1.6 : 2.6;
    const QRectF loop = small ? QRectF(2.5, 7.5, 11, 6) : QRectF(4.5, 14.5, 23, 11);
    QPainterPath belt;
    belt.addRoundedRect(loop, loop.height() / 2, loop.height() / 2);
    painter.setPen(QPen(Qt::white, stroke));
    painter.setBrush(QColor(0x6f, 0xb0, 0x87));
    painter.drawPath(belt);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    const qreal r = loop.height() / 2 - stroke;
    for (const qreal x : {loop.left() + loop.height() / 2, loop.right() - loop.height() / 2})
        painter.drawEllipse(QPointF(x, loop.center().y()), r * 0.6, r * 0.6);
    const QColor arrow(0xff, 0xb3, 0x2e);
    if (small)
        paintArrow(painter, arrow, QPointF(4, 3.5), QPointF(13, 3.5), 1.6, 4, 2.6);
    else
        paintArrow(painter, arrow, QPointF(8, 7), QPointF(25, 7), 2.6, 7, 4.5);
}

// The toolbar pictures: the piece's letters over the piece reduced to its
// outline, end and divider. Left-running ends are drawn as their
// right-running twins and mirrored, but for their letters.
constexpr qreal IconLetterSize = 9;
constexpr qreal IconPlateHeight = 11;
constexpr QPointF IconLetterCentre(12, 6);

void paintToolbarPiece(QPainter& painter, int typeCode)
{
    const Palette& colours = palette();
    BeltRun run;
    run.top = 13.5;
    run.bottom = 21.5;
    run.thickness = 1.5;
    run.capWidth = 8;
    run.grooves = false;
    run.dotPitch = 2.5;
    qreal dividerX = 12;
    if (drawsBeginPiece(typeCode)) {
        run.x0 = 1;
        run.x1 = 24;
        run.left = BeltEnd::Pulley;
        dividerX = 16;
    } else if (drawsEndPiece(typeCode)) {
        run.x0 = 0;
        run.x1 = 23;
        run.right = BeltEnd::Pulley;
        dividerX = 8;
    } else {
        run.x0 = 3;
        run.x1 = 21;
    }
    paintBeltRun(painter, colours, run);
    Divider divider = Divider::None;
    if (typeCode == 3 || typeCode == 27)
        divider = Divider::Solid;
    else if (typeCode == 15 || typeCode == 30)
        divider = Divider::Dotted;
    paintDivider(painter, colours, run, dividerX, divider);
}

void paintToolbarLetters(QPainter& painter, int typeCode)
{
    paintLetters(painter, palette(), pieceLetters(typeCode), IconLetterCentre, IconLetterSize,
                 IconPlateHeight);
}

constexpr std::array<int, 7> RightRunningButtons = {0, 3, 24, 27, 30, 12, 15};
constexpr std::array<int, 7> LeftRunningButtons = {18, 21, 24, 27, 30, 6, 9};

// An icon whose pictures are drawn the first time anything asks for them:
// every window and both toolbars carry icons, most of which the platform
// never shows, and the start-up should not draw them all.
class DeferredIconEngine final : public QIconEngine
{
public:
    struct Shared
    {
        std::function<QIcon()> draw;
        QIcon icon;
        // Draws the one picture of the given side and ratio that `draw` would
        // add, or nothing if it adds no such picture. A window frame asks for
        // one small size, and the others need not be drawn for it.
        std::function<std::optional<QPixmap>(int side, qreal ratio)> drawOne;
        std::map<std::pair<int, qreal>, QIcon> ones;
    };

    explicit DeferredIconEngine(std::shared_ptr<Shared> shared) : shared_(std::move(shared)) {}
    explicit DeferredIconEngine(std::function<QIcon()> draw)
        : DeferredIconEngine(std::make_shared<Shared>(Shared{std::move(draw), QIcon(), {}, {}}))
    {}

    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }
    QString key() const override { return QStringLiteral("kx-deferred"); }
    bool isNull() override { return false; }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmapAt(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return pixmapAt(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }

private:
    // An exact size of the icon comes from that picture alone, as long as
    // the whole icon is not drawn: the full icon would pick the same one.
    QPixmap pixmapAt(const QSize& logical, qreal scale, QIcon::Mode mode, QIcon::State state)
    {
        if (shared_->draw && shared_->drawOne && logical.width() == logical.height()) {
            const auto key = std::make_pair(logical.width(), scale);
            auto it = shared_->ones.find(key);
            if (it == shared_->ones.end())
                if (const std::optional<QPixmap> one = shared_->drawOne(logical.width(), scale))
                    it = shared_->ones.emplace(key, QIcon(*one)).first;
            if (it != shared_->ones.end())
                return it->second.pixmap(logical, scale, mode, state);
        }
        return icon().pixmap(logical, scale, mode, state);
    }

    const QIcon& icon()
    {
        if (shared_->draw) {
            shared_->icon = shared_->draw();
            shared_->draw = nullptr;
            shared_->ones.clear();
        }
        return shared_->icon;
    }

    // Copies of the icon share the pictures once drawn.
    std::shared_ptr<Shared> shared_;
};

constexpr int ApplicationIconSides[] = {16, 32};

QPixmap drawApplicationIconAt(int side, qreal ratio)
{
    QImage image = canvas(QSize(side, side), ratio);
    QPainter painter(&image);
    prepare(painter);
    paintApplicationIcon(painter, side);
    painter.end();
    return toPixmap(image);
}

QIcon drawApplicationIcon()
{
    QIcon icon;
    for (const int side : ApplicationIconSides)
        for (const qreal ratio : iconRatios())
            icon.addPixmap(drawApplicationIconAt(side, ratio));
    return icon;
}

std::optional<QPixmap> drawApplicationIconPicture(int side, qreal ratio)
{
    const auto& sides = ApplicationIconSides;
    if (std::find(std::begin(sides), std::end(sides), side) == std::end(sides) ||
        !iconRatios().contains(ratio))
        return std::nullopt;
    return drawApplicationIconAt(side, ratio);
}
} // namespace

QIcon applicationIcon()
{
    // Every window carries the icon; they share one drawing while any lives.
    static std::weak_ptr<DeferredIconEngine::Shared> living;
    std::shared_ptr<DeferredIconEngine::Shared> shared = living.lock();
    if (!shared) {
        shared = std::make_shared<DeferredIconEngine::Shared>(DeferredIconEngine::Shared{
            drawApplicationIcon, QIcon(), drawApplicationIconPicture, {}});
        living = shared;
    }
    return QIcon(new DeferredIconEngine(shared));
}

QImage applicationIconImage(int pixels)
{
    if (pixels < 1)
        throw std::out_of_range("no icon of " + std::to_string(pixels) + " pixels");
    const int design = pixels < 24 ? 16 : 32;
    // Scaled by the painter: an image's pixel ratio below 1 would not shrink it.
    QImage image = canvas(QSize(pixels, pixels), 1.0);
    QPainter painter(&image);
    prepare(painter);
    painter.scale(qreal(pixels) / design, qreal(pixels) / design);
    paintApplicationIcon(painter, design);
    painter.end();
    return image;
}

QPixmap toolbarPicture(bool rightRunning, int piece, qreal devicePixelRatio)
{
    if (piece < 0 || piece >= int(RightRunningButtons.size()))
        throw std::out_of_range("no toolbar piece " + std::to_string(piece));
    const int code = (rightRunning ? RightRunningButtons : LeftRunningButtons)[std::size_t(piece)];
    const bool mirror = drawsLeftRunning(code);
    QImage image = canvas(QSize(24, 22), devicePixelRatio);
    {
        QPainter painter(&image);
        prepare(painter);
        paintToolbarPiece(painter, mirror ? code - 6 : code);
    }
    if (mirror) {
        const qreal ratio = image.devicePixelRatio();
        image = image.mirrored(true, false);
        image.setDevicePixelRatio(ratio);
    }
    QPainter painter(&image);
    prepare(painter);
    paintToolbarLetters(painter, code);
    painter.end();
    return toPixmap(image);
}

QIcon toolbarIcon(bool rightRunning, int piece)
{
    if (piece < 0 || piece >= int(RightRunningButtons.size()))
        throw std::out_of_range("no toolbar piece " + std::to_string(piece));
    return QIcon(new DeferredIconEngine([rightRunning, piece] {
        QIcon icon;
        for (const qreal ratio : iconRatios())
            icon.addPixmap(toolbarPicture(rightRunning, piece, ratio));
        return icon;
    }));
}

QPixmap infoLogo(qreal devicePixelRatio)
{
    const QSize size(125, 549);
    QImage image = canvas(size, devicePixelRatio);
    QPainter painter(&image);
    prepare(painter);

    QLinearGradient band(0, 0, 0, size.height());
    band.setColorAt(0, QColor(0x0e, 0x3a, 0x66));
    band.setColorAt(1, QColor(0x17, 0x62, 0x9c));
    painter.fillRect(QRect(QPoint(0, 0), size), band);

    // The picture box shows the upper left 113 x 541 pixels; the mark keeps
    // inside them and the rest is bleed.
    const qreal middle = 56.5;
    const QColor light(0xd8, 0xe8, 0xf6);

    // Emblem: a belt loop with its arrow in a white disc.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(middle, 66), 40, 40);
    BeltRun run;
    run.x0 = middle - 30;
    run.x1 = middle + 30;
    run.top = 58.5;
    run.bottom = 85.5;
    run.thickness = 4;
    run.left = BeltEnd::Pulley;
    run.right = BeltEnd::Pulley;
    run.capWidth = 15;
    run.grooves = false;
    run.joints = false;
    paintBeltRun(painter, palette(), run);
    paintArrow(painter, palette().accent, QPointF(middle - 20, 46), QPointF(middle + 22, 46), 3.5,
               10, 6.5);

    // The name runs up the band.
    auto fitText = [&](const QString& text, qreal pixelSize, qreal length, int weight) {
        QFont font = familyFont();
        font.setPixelSize(int(pixelSize));
        font.setWeight(QFont::Weight(weight));
        font.setLetterSpacing(QFont::PercentageSpacing, 104);
        const qreal width = QFontMetricsF(font).horizontalAdvance(text);
        if (width > length)
            font.setPixelSize(std::max(8, int(pixelSize * length / width)));
        return font;
    };
    painter.save();
    painter.translate(middle, 470);
    painter.rotate(-90);
    const QFont name = fitText(QStringLiteral("QUELLBRUNN"), 44, 330, QFont::Black);
    painter.setFont(name);
    painter.setPen(Qt::white);
    const QFontMetricsF nameMetrics(name);
    const QFont trade = fitText(QStringLiteral("FÖRDERSYSTEME"), 15, 330, QFont::Bold);
    const QFontMetricsF tradeMetrics(trade);
    // Name and trade line side by side, centred across the band.
    const qreal gap = 6;
    const qreal nameBaseline = (nameMetrics.capHeight() - gap - tradeMetrics.capHeight()) / 2;
    painter.drawText(QPointF(0, nameBaseline), QStringLiteral("QUELLBRUNN"));
    painter.setFont(trade);
    painter.setPen(light);
    const qreal nameWidth = nameMetrics.horizontalAdvance(QStringLiteral("QUELLBRUNN"));
    const qreal tradeWidth = tradeMetrics.horizontalAdvance(QStringLiteral("FÖRDERSYSTEME"));
    painter.drawText(QPointF(nameWidth - tradeWidth, nameBaseline + gap + tradeMetrics.capHeight()),
                     QStringLiteral("FÖRDERSYSTEME"));
    painter.restore();

    // Slats of a belt at the foot of the band.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        QColor slat = light;
        slat.setAlpha(220 - 45 * i);
        painter.setBrush(slat);
        painter.drawRoundedRect(QRectF(16, 490 + 11 * i, 81, 6), 3, 3);
    }
    painter.end();
    return toPixmap(image);
}

} // namespace kx
