#include "pictures/drawing_kit.h"

#include "pictures/font_family.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace kx::draw {

namespace {
Palette plainPalette()
{
    Palette p;
    p.background = Qt::transparent;
    p.line = QColor(0x2e, 0x38, 0x42);
    p.belt = QColor(0x2f, 0x6f, 0x4a);
    p.beltHighlight = QColor(0x6f, 0xb0, 0x87);
    p.profileLight = QColor(0xf3, 0xf6, 0xf8);
    p.profileDark = QColor(0xc2, 0xcb, 0xd4);
    p.plateLight = QColor(0xcf, 0xd7, 0xdf);
    p.plateDark = QColor(0x98, 0xa6, 0xb4);
    p.panelLight = QColor(0xfd, 0xfe, 0xff);
    p.panelDark = QColor(0xdf, 0xe6, 0xec);
    p.hub = QColor(0xe9, 0xee, 0xf2);
    p.motorLight = QColor(0x6d, 0x97, 0xc2);
    p.motorDark = QColor(0x2c, 0x52, 0x7b);
    p.accent = QColor(0x1d, 0x6f, 0xd1);
    return p;
}

// Marked by a click: the colour goes out of the piece.
Palette greyPalette()
{
    Palette p;
    p.background = QColor(0xc6, 0xc9, 0xcc);
    p.line = QColor(0x48, 0x4d, 0x52);
    p.belt = QColor(0x6e, 0x73, 0x78);
    p.beltHighlight = QColor(0xa4, 0xa9, 0xad);
    p.profileLight = QColor(0xec, 0xed, 0xee);
    p.profileDark = QColor(0xb6, 0xba, 0xbe);
    p.plateLight = QColor(0xc4, 0xc8, 0xcb);
    p.plateDark = QColor(0x92, 0x97, 0x9c);
    p.panelLight = QColor(0xf2, 0xf3, 0xf4);
    p.panelDark = QColor(0xd6, 0xd9, 0xdb);
    p.hub = QColor(0xe2, 0xe4, 0xe6);
    p.motorLight = QColor(0x9a, 0x9f, 0xa4);
    p.motorDark = QColor(0x5c, 0x61, 0x66);
    p.accent = p.line;
    return p;
}

// Marked for replacement.
Palette redPalette()
{
    Palette p;
    p.background = QColor(0xf8, 0xd6, 0xd2);
    p.line = QColor(0x9b, 0x1c, 0x14);
    p.belt = QColor(0xc3, 0x38, 0x2c);
    p.beltHighlight = QColor(0xea, 0x8c, 0x82);
    p.profileLight = QColor(0xff, 0xf4, 0xf2);
    p.profileDark = QColor(0xee, 0xb6, 0xae);
    p.plateLight = QColor(0xeb, 0xaa, 0xa1);
    p.plateDark = QColor(0xcc, 0x72, 0x67);
    p.panelLight = QColor(0xff, 0xf8, 0xf7);
    p.panelDark = QColor(0xf6, 0xd0, 0xca);
    p.hub = QColor(0xfd, 0xe6, 0xe2);
    p.motorLight = QColor(0xe0, 0x6b, 0x5f);
    p.motorDark = p.line;
    p.accent = QColor(0xb3, 0x26, 0x1e);
    return p;
}
} // namespace

const Palette& palette(Tint tint)
{
    static const Palette plain = plainPalette();
    static const Palette grey = greyPalette();
    static const Palette red = redPalette();
    switch (tint) {
    case Tint::Grey:
        return grey;
    case Tint::Red:
        return red;
    case Tint::Plain:
        break;
    }
    return plain;
}

qreal effectiveRatio(qreal devicePixelRatio)
{
    if (devicePixelRatio > 0)
        return devicePixelRatio;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return qGuiApp->devicePixelRatio();
    return 1.0;
}

QImage canvas(QSize logical, qreal devicePixelRatio, const QColor& fill)
{
    const qreal ratio = effectiveRatio(devicePixelRatio);
    const QSize device(int(std::ceil(logical.width() * ratio - 1e-9)),
                       int(std::ceil(logical.height() * ratio - 1e-9)));
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

void prepare(QPainter& painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

QPixmap toPixmap(const QImage& image)
{
    return QPixmap::fromImage(image);
}

namespace {
QPen linePen(const QColor& colour, qreal width)
{
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// The stadium shape of radius r around the strip between the pulley centres
// (or reaching past the cut ends), from lines and arcs: uniting a rectangle
// and circles as paths cost more than all the rest of a picture.
QPainterPath loopShape(const BeltRun& run, qreal left, qreal right, qreal radius)
{
    const qreal cy = run.centreY();
    const qreal top = cy - radius;
    const qreal bottom = cy + radius;
    QPainterPath path;
    path.moveTo(left, top);
    path.lineTo(right, top);
    if (run.right == BeltEnd::Pulley)
        path.arcTo(QRectF(right - radius, top, 2 * radius, 2 * radius), 90, -180);
    else
        path.lineTo(right, bottom);
    path.lineTo(left, bottom);
    if (run.left == BeltEnd::Pulley)
        path.arcTo(QRectF(left - radius, top, 2 * radius, 2 * radius), 270, -180);
    path.closeSubpath();
    return path;
}

void paintEndPlate(QPainter& painter, const Palette& colours, const BeltRun& run, qreal pulleyX,
                   qreal innerEdge)
{
    const qreal cy = run.centreY();
    const qreal ri = run.innerRadius();
    QPainterPath plate;
    if (std::abs(innerEdge - pulleyX) >= ri) {
        // A half disc round the pulley and the rest of the cap up to its edge.
        const bool leftEnd = innerEdge > pulleyX;
        plate.moveTo(innerEdge, cy - ri);
        plate.lineTo(pulleyX, cy - ri);
        plate.arcTo(QRectF(pulleyX - ri, cy - ri, 2 * ri, 2 * ri), 90, leftEnd ? 180 : -180);
        plate.lineTo(innerEdge, cy + ri);
        plate.closeSubpath();
    } else {
        // A short cap: the disc reaches past its edge.
        plate.setFillRule(Qt::WindingFill);
        plate.addEllipse(QPointF(pulleyX, cy), ri, ri);
        plate.addRect(
            QRectF(std::min(pulleyX, innerEdge), cy - ri, std::abs(innerEdge - pulleyX), 2 * ri));
        plate = plate.simplified();
    }
    QLinearGradient shade(0, cy - ri, 0, cy + ri);
    shade.setColorAt(0, colours.plateLight);
    shade.setColorAt(1, colours.plateDark);
    painter.setPen(linePen(colours.line, run.lineWidth));
    painter.setBrush(shade);
    painter.drawPath(plate);

    const qreal hub = ri * 0.45;
    painter.setBrush(colours.hub);
    painter.drawEllipse(QPointF(pulleyX, cy), hub, hub);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.line);
    painter.drawEllipse(QPointF(pulleyX, cy), ri * 0.13, ri * 0.13);
}
} // namespace

void paintBeltRun(QPainter& painter, const Palette& colours, const BeltRun& run)
{
    painter.save();
    painter.setClipRect(QRectF(run.x0, -1e4, run.x1 - run.x0, 2e4),
                        painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);

    const qreal cy = run.centreY();
    const qreal ri = run.innerRadius();
    const qreal ro = run.outerRadius();
    const qreal t = run.thickness;
    // Cut ends reach past the clip so that their outline never shows.
    const qreal left = run.left == BeltEnd::Pulley ? run.leftPulleyX() : run.x0 - 4;
    const qreal right = run.right == BeltEnd::Pulley ? run.rightPulleyX() : run.x1 + 4;

    QLinearGradient aluminium(0, cy - ri, 0, cy + ri);
    aluminium.setColorAt(0, colours.profileLight);
    aluminium.setColorAt(1, colours.profileDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(aluminium);
    painter.drawPath(loopShape(run, left, right, ri));

    if (run.grooves) {
        const qreal offset = std::floor(ri * 0.65) + 0.5;
        for (const qreal y : {cy - offset, cy + offset}) {
            painter.setPen(linePen(withAlpha(colours.line, 120), run.lineWidth * 0.8));
            painter.drawLine(QPointF(left, y), QPointF(right, y));
            painter.setPen(linePen(withAlpha(Qt::white, 170), run.lineWidth * 0.8));
            painter.drawLine(QPointF(left, y + run.lineWidth), QPointF(right, y + run.lineWidth));
        }
    }

    if (run.joints) {
        // Half of the joint lies in each of the two pieces that meet there.
        painter.setPen(linePen(withAlpha(colours.line, 120), 2 * run.lineWidth));
        if (run.left == BeltEnd::Cut)
            painter.drawLine(QPointF(run.x0, cy - ri), QPointF(run.x0, cy + ri));
        if (run.right == BeltEnd::Cut)
            painter.drawLine(QPointF(run.x1, cy - ri), QPointF(run.x1, cy + ri));
    }

    // Plates end on a half pixel so that their inner edge stays crisp.
    if (run.left == BeltEnd::Pulley)
        paintEndPlate(painter, colours, run, left, run.x0 + run.capWidth - 0.5 * run.lineWidth);
    if (run.right == BeltEnd::Pulley)
        paintEndPlate(painter, colours, run, right, run.x1 - run.capWidth + 0.5 * run.lineWidth);

    const QPainterPath outer = loopShape(run, left, right, ro);
    const QPainterPath inner = loopShape(run, left, right, ri);
    // The inner loop lies wholly inside the outer: between them is the belt.
    QPainterPath belt = outer;
    belt.addPath(inner);
    belt.setFillRule(Qt::OddEvenFill);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.belt);
    painter.drawPath(belt);
    // A glint along the upper strand gives the belt its surface.
    painter.setPen(linePen(colours.beltHighlight, run.lineWidth * 0.8));
    painter.drawLine(QPointF(left, run.top + t * 0.35), QPointF(right, run.top + t * 0.35));
    painter.setPen(linePen(colours.line, run.lineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outer);
    painter.drawPath(inner);

    painter.restore();
}

void paintModulePanel(QPainter& painter, const Palette& colours, const BeltRun& run, qreal x,
                      qreal width)
{
    const qreal cy = run.centreY();
    const qreal half = std::floor(run.innerRadius() * 0.48) + 0.5;
    const qreal inset = std::round(width * 0.09) + 0.5;
    const QRectF panel(x + inset, cy - half, width - 2 * inset, 2 * half);
    QLinearGradient shade(0, panel.top(), 0, panel.bottom());
    shade.setColorAt(0, colours.panelLight);
    shade.setColorAt(1, colours.panelDark);
    painter.save();
    painter.setPen(linePen(colours.line, run.lineWidth * 0.8));
    painter.setBrush(shade);
    painter.drawRoundedRect(panel, 2, 2);
    const qreal screw = std::max(1.0, half * 0.24);
    painter.setBrush(colours.hub);
    for (const qreal sx : {panel.left() + 2.2 * screw + 0.5, panel.right() - 2.2 * screw - 0.5})
        painter.drawEllipse(QPointF(sx, cy), screw, screw);
    painter.restore();
}

void paintDivider(QPainter& painter, const Palette& colours, const BeltRun& run, qreal x,
                  Divider divider)
{
    const qreal cy = run.centreY();
    const qreal ri = run.innerRadius();
    painter.save();
    switch (divider) {
    case Divider::None:
        break;
    case Divider::Solid:
        painter.setPen(linePen(colours.line, 2 * run.lineWidth));
        painter.drawLine(QPointF(x, cy - ri), QPointF(x, cy + ri));
        break;
    case Divider::Dotted: {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.line);
        const qreal pitch = run.dotPitch > 0 ? run.dotPitch : 3.2 * run.lineWidth;
        const qreal radius = std::min(0.95 * run.lineWidth, 0.3 * pitch);
        const int count = int(std::floor(2 * ri / pitch));
        const qreal first = cy - (count - 1) * pitch / 2;
        for (int i = 0; i < count; ++i)
            painter.drawEllipse(QPointF(x, first + i * pitch), radius, radius);
        break;
    }
    }
    painter.restore();
}

void paintArrow(QPainter& painter, const QColor& colour, QPointF tail, QPointF tip,
                qreal shaftWidth, qreal headLength, qreal headHalfWidth)
{
    const QPointF delta = tip - tail;
    const qreal length = std::hypot(delta.x(), delta.y());
    if (length <= 0)
        return;
    const QPointF unit = delta / length;
    const QPointF normal(-unit.y(), unit.x());
    const QPointF base = tip - unit * headLength;
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QPointF shaft[] = {tail + normal * shaftWidth / 2, base + normal * shaftWidth / 2,
                             base - normal * shaftWidth / 2, tail - normal * shaftWidth / 2};
    painter.drawPolygon(shaft, 4);
    const QPointF head[] = {tip, base + normal * headHalfWidth, base - normal * headHalfWidth};
    painter.drawPolygon(head, 3);
    painter.restore();
}

void paintDrive(QPainter& painter, const Palette& colours)
{
    painter.save();
    const QPen pen = linePen(colours.line, 1);

    // Mounting plate; its top runs out of the picture towards the belt above.
    QLinearGradient plate(21.5, 0, 38.5, 0);
    plate.setColorAt(0, colours.plateLight);
    plate.setColorAt(1, colours.plateDark);
    painter.setPen(pen);
    painter.setBrush(plate);
    painter.drawRect(QRectF(21.5, -2, 17, 6.5));

    QLinearGradient gearShade(18.5, 0, 41.5, 0);
    gearShade.setColorAt(0, colours.motorLight);
    gearShade.setColorAt(1, colours.motorDark);
    painter.setBrush(gearShade);
    painter.drawRoundedRect(QRectF(18.5, 4.5, 23, 17), 2, 2);
    painter.setBrush(colours.hub);
    painter.drawEllipse(QPointF(30, 12.5), 4, 4);
    painter.setBrush(colours.line);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(QPointF(30, 12.5), 1.2, 1.2);

    // The motor: a finned cylinder with its flange and fan cover.
    QLinearGradient cylinder(0, 22.5, 0, 39.5);
    cylinder.setColorAt(0, colours.motorDark);
    cylinder.setColorAt(0.3, colours.motorLight);
    cylinder.setColorAt(1, colours.motorDark);
    painter.setPen(pen);
    painter.setBrush(cylinder);
    painter.drawRoundedRect(QRectF(46.5, 24.5, 8, 13), 3.5, 3.5);
    painter.drawRect(QRectF(5.5, 24.5, 4, 13));
    painter.drawRoundedRect(QRectF(9.5, 21.5, 37, 19), 2.5, 2.5);
    painter.setPen(
        linePen(QColor(colours.line.red(), colours.line.green(), colours.line.blue(), 110), 0.8));
    for (qreal x = 14.5; x < 44; x += 3)
        painter.drawLine(QPointF(x, 23.5), QPointF(x, 38.5));
    for (qreal y = 27.5; y < 36; y += 3)
        painter.drawLine(QPointF(48.5, y), QPointF(53.5, y));

    // Feet.
    painter.setPen(pen);
    painter.setBrush(colours.plateDark);
    painter.drawRect(QRectF(12.5, 40.5, 6, 3));
    painter.drawRect(QRectF(37.5, 40.5, 6, 3));
    painter.restore();
}

namespace {
QFont letterFont(qreal pixelSize)
{
    QFont font = familyFont();
    font.setPixelSize(int(pixelSize));
    font.setBold(true);
    return font;
}
} // namespace

QRectF letterPlate(const QString& letters, qreal pixelSize, qreal plateHeight)
{
    // An odd width (and height) round a centre on a whole pixel puts the
    // outline on half pixels: crisp, and symmetric about the centre.
    const qreal text = QFontMetricsF(letterFont(pixelSize)).horizontalAdvance(letters);
    const qreal width = 2 * std::ceil((text + 4) / 2) + 1;
    return QRectF(-width / 2, -plateHeight / 2, width, plateHeight);
}

void paintLetters(QPainter& painter, const Palette& colours, const QString& letters, QPointF centre,
                  qreal pixelSize, qreal plateHeight)
{
    painter.save();
    painter.translate(centre);
    if (painter.worldTransform().m11() < 0)
        painter.scale(-1, 1);
    const QRectF plate = letterPlate(letters, pixelSize, plateHeight);
    painter.setPen(linePen(colours.line, 1));
    painter.setBrush(colours.panelLight);
    painter.drawRoundedRect(plate, 2, 2);
    const QFont font = letterFont(pixelSize);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(colours.line);
    // Capitals centred, on a whole pixel's baseline.
    const qreal baseline = std::round(metrics.capHeight() / 2);
    painter.drawText(QPointF(-metrics.horizontalAdvance(letters) / 2, baseline), letters);
    painter.restore();
}

void paintShaftMotor(QPainter& painter, const Palette& colours, QPointF centre, qreal radius,
                     qreal lineWidth)
{
    painter.save();
    QRadialGradient shade(centre - QPointF(radius, radius) * 0.35, radius * 1.6);
    shade.setColorAt(0, colours.motorLight);
    shade.setColorAt(1, colours.motorDark);
    painter.setPen(linePen(colours.line, lineWidth));
    painter.setBrush(shade);
    painter.drawEllipse(centre, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(linePen(withAlpha(colours.hub, 150), lineWidth * 0.8));
    painter.drawEllipse(centre, radius * 0.68, radius * 0.68);
    painter.setPen(linePen(colours.line, lineWidth));
    painter.setBrush(colours.hub);
    painter.drawEllipse(centre, radius * 0.32, radius * 0.32);
    painter.restore();
}

} // namespace kx::draw
