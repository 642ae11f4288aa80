#include "windows/forms/line_control.h"

#include <QPainter>

namespace kx {

LineControl::LineControl(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineControl::setLine(QPoint from, QPoint to)
{
    setGeometry(
        QRect(std::min(from.x(), to.x()), from.y() - 1, std::abs(to.x() - from.x()) + 1, 3));
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(QRectF(0, 1, width(), 1), palette().color(QPalette::WindowText));
}

} // namespace kx
