#include "windows/forms/focus_ring.h"

#include "pictures/drawing.h"

#include <QEvent>
#include <QPainter>

namespace kx {

namespace {
constexpr int RingWidth = 2;
} // namespace

FocusRing::FocusRing(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::watch(QWidget* control)
{
    control->installEventFilter(this);
}

bool FocusRing::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        follow(control);
        break;
    case QEvent::FocusOut:
    case QEvent::Hide:
        if (control == target_)
            follow(nullptr);
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (control == target_)
            follow(control);
        break;
    default:
        break;
    }
    return false;
}

void FocusRing::follow(QWidget* control)
{
    target_ = control;
    if (!control) {
        hide();
        return;
    }
    setGeometry(control->geometry().adjusted(-RingWidth, -RingWidth, RingWidth, RingWidth));
    raise();
    show();
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A printout shows the belt, not where the keyboard was.
    if (paintsOnPaper(painter))
        return;
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(palette().color(QPalette::Highlight), RingWidth);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal half = RingWidth / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), RingWidth,
                            RingWidth);
}

} // namespace kx
