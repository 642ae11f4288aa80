#pragma once

#include "pictures/drawing.h"

#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace kx {

// Shows a picture at its natural size and takes that size itself. Reports
// Click on release, and for a double click first Click, then DblClick. With
// the keyboard focus, Space is a click and Shift+Space a double click. A
// picture may come with its drawing, which a printout draws in its place.
class ImageControl : public QWidget
{
    Q_OBJECT
public:
    explicit ImageControl(const QString& name, QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture, const Drawing& drawing = Drawing());
    // A picture of the given size, fetched only when it is first painted or
    // asked for: a window built behind another draws nothing until it shows.
    void setPictureLater(QSize size, std::function<QPixmap()> fetch,
                         const Drawing& drawing = Drawing());
    const QPixmap& picture() const;
    bool hasPicture() const { return fetch_ || !picture_.isNull(); }
    const Drawing& drawing() const { return drawing_; }

    QSize sizeHint() const override;

    // A label, button or window whose caption names the picture for screen
    // readers while no name of its own is set; the caption is read when
    // asked for, so it follows the language.
    void setCaptionSource(QWidget* source) { captionSource_ = source; }
    QString captionText() const;
    // Whether anything listens to Click and DblClick: only then is the
    // picture offered to assistive tools as something to press.
    bool takesClicks() const;
    bool takesDoubleClicks() const;
    // The name assistive tools know the double click by.
    static QString doubleClickAction() { return QStringLiteral("doubleClick"); }
    // A click or a double click without the mouse: a double click is first a click.
    void activate(bool doubleClick);

signals:
    void Click();
    void DblClick();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    mutable QPixmap picture_;
    mutable std::function<QPixmap()> fetch_;
    QSize laterSize_;
    Drawing drawing_;
    QPointer<QWidget> captionSource_;
    bool pressed_ = false;
    bool afterDoubleClick_ = false;
    bool clickReported_ = false;
    ulong lastClickTime_ = 0;
};

} // namespace kx
