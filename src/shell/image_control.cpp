#include "image_control.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>
#include <QPainter>

namespace kx {

ImageControl::ImageControl(const QString& name, QWidget* parent) : QWidget(parent)
{
    setObjectName(name);
}

void ImageControl::setPicture(const QPixmap& picture)
{
    if (picture.cacheKey() == picture_.cacheKey() && !picture_.isNull())
        return;
    picture_ = picture;
    const QSize size = picture_.isNull() ? QSize(0, 0) : picture_.deviceIndependentSize().toSize();
    if (size != this->size())
        resize(size);
    update();
}

QSize ImageControl::sizeHint() const
{
    return picture_.isNull() ? QSize(0, 0) : picture_.deviceIndependentSize().toSize();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), picture_);
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        afterDoubleClick_ = false;
    }
    QWidget::mousePressEvent(event);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const bool wasPressed = pressed_;
    pressed_ = false;
    // The release that ends a double click is not another click.
    if (afterDoubleClick_) {
        afterDoubleClick_ = false;
        return;
    }
    if (wasPressed && rect().contains(event->position().toPoint())) {
        lastClickTime_ = event->timestamp();
        clickReported_ = true;
        emit Click();
    }
}

void ImageControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    afterDoubleClick_ = true;
    pressed_ = false;
    // The first click of a double click is a Click; report it if the platform
    // delivered the double click alone.
    const ulong interval = ulong(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (!clickReported_ || event->timestamp() - lastClickTime_ > interval)
        emit Click();
    clickReported_ = false;
    emit DblClick();
}

} // namespace kx
