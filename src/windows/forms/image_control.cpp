#include "windows/forms/image_control.h"

#include "windows/forms/accessible_names.h"
#include "windows/forms/form.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>

namespace kx {

namespace {
// A picture for screen readers: a graphic, named by itself or its caption,
// and not there while it shows nothing.
class AccessibleImage : public QAccessibleWidget
{
public:
    explicit AccessibleImage(ImageControl* image) : QAccessibleWidget(image, QAccessible::Graphic)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return image()->captionText();
        // A piece's tool tip repeats its name; it is no description.
        if (t == QAccessible::Description)
            return widget()->accessibleDescription();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (!image()->hasPicture())
            s.invisible = true;
        return s;
    }

    // A picture that takes clicks takes them from assistive tools too, so
    // that pieces can be marked without a mouse.
    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (image()->takesClicks())
            names << pressAction();
        if (image()->takesDoubleClicks())
            names << ImageControl::doubleClickAction();
        return names;
    }

    void doAction(const QString& action) override
    {
        ImageControl* target = image();
        const bool click = action == pressAction() || action == ImageControl::doubleClickAction();
        if (!click || !target->isVisible() || !actionNames().contains(action)) {
            QAccessibleWidget::doAction(action);
            return;
        }
        target->activate(action == ImageControl::doubleClickAction());
    }

private:
    ImageControl* image() const { return static_cast<ImageControl*>(widget()); }
};

QAccessibleInterface* accessibleImage(const QString& className, QObject* object)
{
    if (className == QLatin1String("kx::ImageControl") && object->isWidgetType())
        return new AccessibleImage(static_cast<ImageControl*>(object));
    return nullptr;
}
} // namespace

ImageControl::ImageControl(const QString& name, QWidget* parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleImage);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(name);
}

void ImageControl::activate(bool doubleClick)
{
    emit Click();
    if (doubleClick)
        emit DblClick();
}

bool ImageControl::takesClicks() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ImageControl::Click));
}

bool ImageControl::takesDoubleClicks() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ImageControl::DblClick));
}

QString ImageControl::captionText() const
{
    QString caption;
    if (auto* label = qobject_cast<QLabel*>(captionSource_.data()))
        caption = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(captionSource_.data()))
        caption = button->text();
    else if (auto* form = qobject_cast<Form*>(captionSource_.data()))
        caption = form->Caption();
    return nameFromCaption(caption);
}

void ImageControl::setPicture(const QPixmap& picture, const Drawing& drawing)
{
    if (!fetch_ && picture.cacheKey() == picture_.cacheKey() && !picture_.isNull())
        return;
    fetch_ = nullptr;
    picture_ = picture;
    drawing_ = drawing;
    const QSize size = picture_.isNull() ? QSize(0, 0) : picture_.deviceIndependentSize().toSize();
    if (size != this->size())
        resize(size);
    update();
}

void ImageControl::setPictureLater(QSize size, std::function<QPixmap()> fetch,
                                   const Drawing& drawing)
{
    fetch_ = std::move(fetch);
    picture_ = QPixmap();
    laterSize_ = size;
    drawing_ = drawing;
    if (size != this->size())
        resize(size);
    update();
}

const QPixmap& ImageControl::picture() const
{
    if (fetch_) {
        picture_ = fetch_();
        fetch_ = nullptr;
    }
    return picture_;
}

QSize ImageControl::sizeHint() const
{
    if (fetch_)
        return laterSize_;
    return picture_.isNull() ? QSize(0, 0) : picture_.deviceIndependentSize().toSize();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (!hasPicture())
        return;
    QPainter painter(this);
    // On paper the drawing itself takes the picture's place, sharp at any
    // resolution; the printout draws it straight onto the printer, since a
    // recorded window cannot replay a drawing's clipping at a control's offset.
    if (!drawing_.isNull() && paintsOnPaper(painter))
        return;
    painter.drawPixmap(QPoint(0, 0), picture());
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

void ImageControl::keyPressEvent(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool space = event->key() == Qt::Key_Space &&
                       (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier);
    if (!space || !takesClicks()) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A held key is one click, not a stream of them.
    if (!event->isAutoRepeat())
        activate(modifiers == Qt::ShiftModifier && takesDoubleClicks());
}

} // namespace kx
