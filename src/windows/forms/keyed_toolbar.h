#pragma once

#include <QIcon>
#include <QString>
#include <QToolBar>

#include <vector>

class QAction;

namespace kx {

// A toolbar whose buttons are told apart by a key string. Buttons are
// numbered from 1 in the order they were added; separators count as buttons.
class KeyedToolbar : public QToolBar
{
    Q_OBJECT
public:
    explicit KeyedToolbar(const QString& name, QWidget* parent = nullptr);

    QAction* addButton(const QString& key, const QIcon& icon, const QString& toolTip);
    QAction* addSeparatorButton();

    int buttonCount() const { return int(buttons_.size()); }
    QAction* button(int index) const; // 1-based; nullptr outside the range
    QAction* buttonByKey(const QString& key) const;
    QString key(int index) const;
    void setButtonToolTip(int index, const QString& toolTip);

signals:
    // A click on a button that is not a separator, while the toolbar is shown.
    void ButtonClick(const QString& key);

private:
    std::vector<QAction*> buttons_;
};

} // namespace kx
