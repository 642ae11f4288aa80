#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QPointF>
#include <QSize>

// The parts every drawing is built from, so that all pictures share one line
// weight and one palette. Coordinates are logical pixels; lines that must stay
// crisp at a ratio of 1 lie on half pixels.
namespace kx::draw {

enum class Tint { Plain, Grey, Red };

struct Palette
{
    QColor background; // transparent for the plain drawing
    QColor line;
    QColor belt;
    QColor beltHighlight;
    QColor profileLight;
    QColor profileDark;
    QColor plateLight;
    QColor plateDark;
    QColor panelLight;
    QColor panelDark;
    QColor hub;
    QColor motorLight;
    QColor motorDark;
    QColor accent;
};

const Palette& palette(Tint tint = Tint::Plain);

// 0 means the ratio of the running application's screens.
qreal effectiveRatio(qreal devicePixelRatio);

QImage canvas(QSize logical, qreal devicePixelRatio, const QColor& fill = Qt::transparent);
void prepare(QPainter& painter);
QPixmap toPixmap(const QImage& image);

enum class BeltEnd { Cut, Pulley };

// Side view of a length of belt around its frame profile, from x0 to x1. A cut
// end is where the next piece continues; a pulley end turns the belt round.
struct BeltRun
{
    qreal x0 = 0;
    qreal x1 = 0;
    qreal top = 13.5;    // outer edge of the upper strand
    qreal bottom = 44.5; // outer edge of the return strand; centre on a whole pixel
    qreal thickness = 4;
    BeltEnd left = BeltEnd::Cut;
    BeltEnd right = BeltEnd::Cut;
    qreal capWidth = 30; // room that a pulley end takes, measured from its edge
    qreal lineWidth = 1;
    bool grooves = true;
    bool joints = true; // module joints at cut ends
    qreal dotPitch = 0; // of a dotted divider; 0: 3.2 line widths

    qreal outerRadius() const { return (bottom - top) / 2; }
    qreal innerRadius() const { return outerRadius() - thickness; }
    qreal centreY() const { return top + outerRadius(); }
    qreal leftPulleyX() const { return x0 + lineWidth + outerRadius(); }
    qreal rightPulleyX() const { return x1 - lineWidth - outerRadius(); }
};

void paintBeltRun(QPainter& painter, const Palette& colours, const BeltRun& run);

// The cover of a side module on the frame of the section [x, x + width).
void paintModulePanel(QPainter& painter, const Palette& colours, const BeltRun& run, qreal x,
                      qreal width);

enum class Divider { None, Solid, Dotted };
void paintDivider(QPainter& painter, const Palette& colours, const BeltRun& run, qreal x,
                  Divider divider);

// A filled arrow from tail to tip, horizontal or vertical.
void paintArrow(QPainter& painter, const QColor& colour, QPointF tail, QPointF tip,
                qreal shaftWidth = 2, qreal headLength = 7, qreal headHalfWidth = 4);

// The gear motor as it hangs below a 60-pixel section, in a 60 x 48 box at the
// origin.
void paintDrive(QPainter& painter, const Palette& colours);

// Letters on a light plate centred on a point, so that they read on any
// background; the plate is as high as given and as wide as the letters need.
// They read left to right however the painter is mirrored: the pictures of
// left-running pieces are their twins mirrored, their letters are not.
void paintLetters(QPainter& painter, const Palette& colours, const QString& letters, QPointF centre,
                  qreal pixelSize, qreal plateHeight);
// The outline of the plate paintLetters draws, centred on the origin; its
// line reaches half a pixel beyond.
QRectF letterPlate(const QString& letters, qreal pixelSize, qreal plateHeight);

// The motor seen end-on, mounted on a pulley's shaft.
void paintShaftMotor(QPainter& painter, const Palette& colours, QPointF centre, qreal radius,
                     qreal lineWidth = 1);

} // namespace kx::draw
