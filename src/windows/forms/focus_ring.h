#pragma once

#include <QPointer>
#include <QWidget>

namespace kx {

// A frame round whichever of the watched controls has the keyboard focus,
// for controls that draw none themselves. It lies on top, so that it shows
// round a scroll bar whose middle a value box covers, and takes no clicks.
class FocusRing : public QWidget
{
    Q_OBJECT
public:
    explicit FocusRing(QWidget* parent);

    // The control must be a child of the ring's parent.
    void watch(QWidget* control);
    QWidget* target() const { return target_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow(QWidget* control);

    QPointer<QWidget> target_;
};

} // namespace kx
