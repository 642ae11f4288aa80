#pragma once

#include <QWidget>

namespace kx {

// A horizontal line from one point to another, one pixel thick. It is drawn
// in the middle of a strip three pixels high, so that it keeps at least one
// device pixel at any scale factor.
class LineControl : public QWidget
{
    Q_OBJECT
public:
    explicit LineControl(const QString& name, QWidget* parent = nullptr);

    void setLine(QPoint from, QPoint to);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace kx
