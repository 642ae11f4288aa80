#include "pictures/drawing_kit.h"
#include "pictures/font_family.h"
#include "pictures/program_icons.h"
#include "pictures/scene3d.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <stdexcept>

namespace kx {

using namespace draw;

namespace {
const QSize DrawingSize(413, 118);
const QSize ViewSize(205, 154);

// Line drawing: one ink, two weights, dimensions in millimetres.
const QColor Ink(0x1f, 0x27, 0x2e);
constexpr qreal Outline = 1.0;
constexpr qreal Thin = 0.6;

QFont dimensionFont()
{
    QFont font = familyFont();
    font.setPixelSize(10);
    return font;
}

void centreLine(QPainter& painter, QPointF from, QPointF to)
{
    QPen pen(Ink, Thin);
    pen.setDashPattern({10, 3, 2, 3});
    painter.setPen(pen);
    painter.drawLine(from, to);
}

// A horizontal dimension from a to b on line y, its extension lines reaching
// up to the part at fromY.
void dimension(QPainter& painter, qreal a, qreal b, qreal y, qreal fromY, const QString& text)
{
    painter.setPen(QPen(Ink, Thin));
    painter.drawLine(QPointF(a, fromY + 2), QPointF(a, y + 3));
    painter.drawLine(QPointF(b, fromY + 2), QPointF(b, y + 3));
    painter.drawLine(QPointF(a, y), QPointF(b, y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    const qreal head = 5, half = 1.6;
    const QPointF left[] = {{a, y}, {a + head, y - half}, {a + head, y + half}};
    const QPointF right[] = {{b, y}, {b - head, y - half}, {b - head, y + half}};
    painter.drawPolygon(left, 3);
    painter.drawPolygon(right, 3);
    painter.setFont(dimensionFont());
    painter.setPen(Ink);
    const QFontMetricsF metrics(painter.font());
    const qreal width = metrics.horizontalAdvance(text);
    painter.drawText(QPointF((a + b - width) / 2, y - 2.5), text);
}

// A vertical dimension on line x from a down to b, the part to its left at
// fromX; the text reads upwards.
void verticalDimension(QPainter& painter, qreal x, qreal a, qreal b, qreal fromX,
                       const QString& text)
{
    painter.save();
    painter.translate(x, b);
    painter.rotate(-90);
    dimension(painter, 0, b - a, 0, fromX - x, text);
    painter.restore();
}

// Side view of a belt in outline between two pulley centres.
void outlineBelt(QPainter& painter, qreal left, qreal right, qreal top, qreal radius)
{
    const qreal cy = top + radius;
    const qreal inner = radius - 3;
    QPainterPath loop;
    loop.setFillRule(Qt::WindingFill);
    loop.addRect(QRectF(left, top, right - left, 2 * radius));
    loop.addEllipse(QPointF(left, cy), radius, radius);
    loop.addEllipse(QPointF(right, cy), radius, radius);
    QPainterPath innerLoop;
    innerLoop.setFillRule(Qt::WindingFill);
    innerLoop.addRect(QRectF(left, top + 3, right - left, 2 * inner));
    innerLoop.addEllipse(QPointF(left, cy), inner, inner);
    innerLoop.addEllipse(QPointF(right, cy), inner, inner);
    painter.setBrush(QColor(0xee, 0xf1, 0xf4));
    painter.setPen(QPen(Ink, Outline));
    painter.drawPath(loop.simplified());
    painter.setBrush(Qt::white);
    painter.drawPath(innerLoop.simplified());
    painter.setBrush(Qt::NoBrush);
    for (const qreal x : {left, right}) {
        painter.setPen(QPen(Ink, Thin));
        painter.drawEllipse(QPointF(x, cy), inner * 0.45, inner * 0.45);
        centreLine(painter, QPointF(x, cy - radius - 4), QPointF(x, cy + radius + 4));
    }
    centreLine(painter, QPointF(left - radius - 4, cy), QPointF(right + radius + 4, cy));
}

void outlineLeg(QPainter& painter, qreal x, qreal top, qreal floor)
{
    painter.setPen(QPen(Ink, Outline));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(x - 3, top, 6, floor - top - 2));
    painter.drawRect(QRectF(x - 9, floor - 2, 18, 2));
}

void outlineMotor(QPainter& painter, qreal centreX, qreal top)
{
    painter.setPen(QPen(Ink, Outline));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(centreX - 8, top, 16, 9));
    painter.drawRoundedRect(QRectF(centreX - 17, top + 9, 30, 12), 2, 2);
    painter.drawRoundedRect(QRectF(centreX + 13, top + 11, 6, 8), 2, 2);
    painter.setPen(QPen(Ink, Thin));
    for (qreal x = centreX - 13; x < centreX + 11; x += 3)
        painter.drawLine(QPointF(x, top + 11), QPointF(x, top + 19));
}

void arrowAbove(QPainter& painter, qreal from, qreal to, qreal y)
{
    paintArrow(painter, Ink, QPointF(from, y), QPointF(to, y), 1.2, 6, 2.5);
}

QImage plainDimensionDrawing(qreal ratio)
{
    QImage image = canvas(DrawingSize, ratio, Qt::white);
    QPainter painter(&image);
    prepare(painter);
    const qreal left = 52, right = 354, top = 24.5, radius = 14;
    for (const qreal x : {left + 55, right - 55})
        outlineLeg(painter, x, top + radius, 88);
    outlineBelt(painter, left, right, top, radius);
    arrowAbove(painter, (left + right) / 2 - 30, (left + right) / 2 + 30, 12.5);
    painter.setPen(QPen(Ink, Thin));
    painter.drawLine(QPointF(left - 30, 88.5), QPointF(right + 30, 88.5));
    dimension(painter, left - radius, right + radius, 106.5, top + 2 * radius,
              QStringLiteral("1000"));
    verticalDimension(painter, right + radius + 26, top, 88.5, right + radius,
                      QStringLiteral("250"));
    dimension(painter, left, left + 55, 70.5, top + radius, QStringLiteral("175"));
    painter.end();
    return image;
}

QImage modularDimensionDrawing(qreal ratio)
{
    QImage image = canvas(DrawingSize, ratio, Qt::white);
    QPainter painter(&image);
    prepare(painter);
    // AG, G, G, C, EV: 150 + 3 x 100 + 150 = 600 mm at 0.55 pixels a millimetre.
    const qreal start = 41, top = 18.5, radius = 12;
    const qreal widths[] = {82.5, 55, 55, 55, 82.5};
    qreal joints[6] = {start};
    for (int i = 0; i < 5; ++i)
        joints[i + 1] = joints[i] + widths[i];
    outlineBelt(painter, start + radius + 1, joints[5] - radius - 1, top, radius);
    painter.setPen(QPen(Ink, Outline));
    const qreal cy = top + radius;
    for (int i = 1; i < 5; ++i)
        painter.drawLine(QPointF(joints[i], cy - radius + 3), QPointF(joints[i], cy + radius - 3));
    // The C module carries the drive and a solid divider, the end piece a dotted one.
    const qreal cModule = (joints[3] + joints[4]) / 2;
    painter.setPen(QPen(Ink, 1.6));
    painter.drawLine(QPointF(cModule, cy - radius + 3), QPointF(cModule, cy + radius - 3));
    QPen dotted(Ink, 1.2);
    dotted.setStyle(Qt::DotLine);
    painter.setPen(dotted);
    const qreal endDivider = joints[4] + 27.5;
    painter.drawLine(QPointF(endDivider, cy - radius + 3), QPointF(endDivider, cy + radius - 3));
    outlineMotor(painter, cModule, cy + radius + 1);
    arrowAbove(painter, joints[0] + 30, joints[1] - 8, 9.5);

    const QString lengths[] = {QStringLiteral("150"), QStringLiteral("100"), QStringLiteral("100"),
                               QStringLiteral("100"), QStringLiteral("150")};
    for (int i = 0; i < 5; ++i)
        dimension(painter, joints[i], joints[i + 1], 82.5, cy + radius, lengths[i]);
    dimension(painter, joints[0], joints[5], 106.5, 82.5, QStringLiteral("600"));
    verticalDimension(painter, joints[5] + 22, top, cy + radius, joints[5] - radius,
                      QStringLiteral("45"));
    painter.end();
    return image;
}

struct Materials
{
    Scene3D::Material belt{QColor(0x2f, 0x6f, 0x4a), 0.15f};
    Scene3D::Material aluminium{QColor(0xc9, 0xd1, 0xd9), 0.6f};
    Scene3D::Material plate{QColor(0x9f, 0xad, 0xba), 0.5f};
    Scene3D::Material leg{QColor(0xb4, 0xbe, 0xc8), 0.5f};
    Scene3D::Material foot{QColor(0x5a, 0x60, 0x68), 0.3f};
    Scene3D::Material motor{QColor(0x3a, 0x6a, 0x9a), 0.45f};
    Scene3D::Material fan{QColor(0x2c, 0x4f, 0x75), 0.3f};
    Scene3D::Material panel{QColor(0xee, 0xf2, 0xf5), 0.35f};
    Scene3D::Material dark{QColor(0x2e, 0x38, 0x42), 0.2f};
};

// A belt of the given length (in decimetres, 80 mm wide) on two stands.
void addFrame(Scene3D& scene, float length, const Materials& m)
{
    const float x0 = 0.25f, x1 = length - 0.25f, width = 0.8f;
    scene.addLoop(x0, x1, 0, 0.22f, 0, width, m.belt);
    for (const float y : {-0.1f, width}) {
        scene.addBox({x0, y, -0.18f}, {x1, y + 0.1f, 0.17f}, m.aluminium);
        for (const float x : {x0, x1}) {
            scene.addCylinder({x, y, 0}, {x, y + 0.1f, 0}, 0.2f, m.plate);
            const float hubY = y < 0 ? y - 0.03f : y + 0.13f;
            scene.addCylinder({x, y < 0 ? y : y + 0.1f, 0}, {x, hubY, 0}, 0.07f, m.aluminium, 16);
        }
    }
    for (const float x : {length * 0.17f, length * 0.83f}) {
        for (const float y : {-0.24f, width + 0.1f})
            scene.addBox({x - 0.07f, y, -2.0f}, {x + 0.07f, y + 0.14f, -0.05f}, m.leg);
        scene.addBox({x - 0.05f, -0.24f, -1.62f}, {x + 0.05f, width + 0.24f, -1.52f}, m.leg);
        scene.addBox({x - 0.22f, -0.34f, -2.05f}, {x + 0.22f, width + 0.34f, -2.0f}, m.foot);
    }
}

void addHeadDrive(Scene3D& scene, float x, const Materials& m)
{
    scene.addBox({x - 0.25f, -0.42f, -0.22f}, {x + 0.25f, -0.1f, 0.2f}, m.motor);
    scene.addCylinder({x, -0.42f, -0.01f}, {x, -1.15f, -0.01f}, 0.17f, m.motor);
    scene.addCylinder({x, -1.15f, -0.01f}, {x, -1.3f, -0.01f}, 0.15f, m.fan);
    scene.addBox({x - 0.11f, -0.85f, 0.1f}, {x + 0.11f, -0.6f, 0.22f}, m.motor);
}

Scene3D plainBeltScene()
{
    const Materials m;
    Scene3D scene;
    addFrame(scene, 10, m);
    addHeadDrive(scene, 9.75f, m);
    return scene;
}

Scene3D modularBeltScene()
{
    const Materials m;
    Scene3D scene;
    const float length = 6;
    addFrame(scene, length, m);
    // Side modules of AG, G, G, C, EV along the near side, with their guide rails.
    const float sections[][2] = {
        {0.5f, 1.5f}, {1.5f, 2.5f}, {2.5f, 3.5f}, {3.5f, 4.5f}, {4.5f, 5.5f}};
    for (const auto& section : sections) {
        scene.addBox({section[0] + 0.04f, -0.15f, -0.13f}, {section[1] - 0.04f, -0.1f, 0.11f},
                     m.panel);
        const float middle = (section[0] + section[1]) / 2;
        for (const float y : {-0.08f, 0.8f})
            scene.addBox({middle - 0.03f, y, 0.17f}, {middle + 0.03f, y + 0.08f, 0.4f}, m.leg);
    }
    for (const float y : {-0.09f, 0.8f})
        scene.addBox({0.45f, y, 0.38f}, {5.55f, y + 0.09f, 0.45f}, m.aluminium);
    scene.addBox({3.985f, -0.16f, -0.15f}, {4.015f, -0.15f, 0.13f}, m.dark);
    for (float z = -0.1f; z < 0.11f; z += 0.07f)
        scene.addBox({4.99f, -0.16f, z - 0.012f}, {5.01f, -0.15f, z + 0.012f}, m.dark);
    // The drive under the C module.
    scene.addBox({3.75f, 0.0f, -0.5f}, {4.25f, 0.5f, -0.18f}, m.motor);
    scene.addCylinder({4.25f, 0.25f, -0.36f}, {5.05f, 0.25f, -0.36f}, 0.15f, m.motor);
    scene.addCylinder({5.05f, 0.25f, -0.36f}, {5.18f, 0.25f, -0.36f}, 0.13f, m.fan);
    return scene;
}

// A studio backdrop with the belt's shadow on the floor, then the belt.
QImage shadedView(const Scene3D& scene, const Camera& camera, float length, qreal ratio)
{
    QImage image = canvas(ViewSize, ratio);
    QPainter painter(&image);
    prepare(painter);
    QLinearGradient backdrop(0, 0, 0, ViewSize.height());
    backdrop.setColorAt(0, QColor(0xf7, 0xf8, 0xf9));
    backdrop.setColorAt(0.6, QColor(0xe4, 0xe8, 0xec));
    backdrop.setColorAt(1, QColor(0xd3, 0xd9, 0xdf));
    painter.fillRect(QRect(QPoint(0, 0), ViewSize), backdrop);

    const Projection projection(camera, QSizeF(ViewSize));
    QPolygonF floor;
    for (const QVector3D& corner :
         {QVector3D(-0.2f, -0.6f, -2.05f), QVector3D(length + 0.2f, -0.6f, -2.05f),
          QVector3D(length + 0.2f, 1.4f, -2.05f), QVector3D(-0.2f, 1.4f, -2.05f)})
        floor << projection.map(corner);
    const QRectF spread = floor.boundingRect();
    QRadialGradient shadow(spread.center(), std::max(spread.width(), spread.height()) / 2);
    shadow.setColorAt(0, QColor(0, 0, 0, 70));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.save();
    painter.translate(spread.center());
    painter.scale(1, spread.height() / std::max(1.0, spread.width()));
    painter.translate(-spread.center());
    painter.drawEllipse(spread.center(), spread.width() / 2, spread.width() / 2);
    painter.restore();

    painter.drawImage(QPointF(0, 0), scene.render(ViewSize, image.devicePixelRatio(), camera));
    painter.end();
    return image;
}

Camera camera(float yaw, float pitch, QVector3D focusMin, QVector3D focusMax)
{
    Camera c;
    c.yaw = yaw;
    c.pitch = pitch;
    c.focusMin = focusMin;
    c.focusMax = focusMax;
    return c;
}
} // namespace

QPixmap exampleDrawing(int window, qreal devicePixelRatio)
{
    const qreal ratio = effectiveRatio(devicePixelRatio);
    switch (window) {
    case 1:
        return toPixmap(plainDimensionDrawing(ratio));
    case 2:
        return toPixmap(modularDimensionDrawing(ratio));
    default:
        throw std::out_of_range("no example window " + std::to_string(window));
    }
}

QPixmap exampleView(int window, int index, qreal devicePixelRatio)
{
    const qreal ratio = effectiveRatio(devicePixelRatio);
    if (window == 1) {
        const Scene3D scene = plainBeltScene();
        const QVector3D all(-0.1f, -1.3f, -2.05f), allEnd(10.1f, 1.1f, 0.3f);
        switch (index) {
        case 1:
            return toPixmap(shadedView(scene, camera(25, 20, all, allEnd), 10, ratio));
        case 2:
            return toPixmap(shadedView(
                scene, camera(-38, 16, {8.2f, -1.3f, -0.6f}, {10.1f, 1.0f, 0.4f}), 10, ratio));
        case 3:
            return toPixmap(shadedView(scene, camera(-28, 30, all, allEnd), 10, ratio));
        case 4:
            return toPixmap(shadedView(
                scene, camera(50, 28, {-0.3f, -0.4f, -2.1f}, {2.2f, 1.2f, 0.35f}), 10, ratio));
        default:
            break;
        }
    } else if (window == 2) {
        const Scene3D scene = modularBeltScene();
        switch (index) {
        case 1:
            return toPixmap(shadedView(
                scene, camera(24, 22, {-0.1f, -0.4f, -2.05f}, {6.1f, 1.1f, 0.5f}), 6, ratio));
        case 2:
            return toPixmap(shadedView(
                scene, camera(30, 12, {2.4f, -0.4f, -0.7f}, {5.6f, 1.0f, 0.5f}), 6, ratio));
        default:
            break;
        }
    }
    throw std::out_of_range("no example view " + std::to_string(window) + "/" +
                            std::to_string(index));
}

} // namespace kx
