#include "windows/forms/keyed_toolbar.h"

#include "windows/forms/accessible_names.h"

#include <QAction>

namespace kx {

KeyedToolbar::KeyedToolbar(const QString& name, QWidget* parent) : QToolBar(parent)
{
    setObjectName(name);
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(24, 22));
    setToolButtonStyle(Qt::ToolButtonIconOnly);
}

QAction* KeyedToolbar::addButton(const QString& key, const QIcon& icon, const QString& toolTip)
{
    QAction* action = addAction(icon, QString());
    action->setObjectName(objectName() + QLatin1Char('.') + key);
    action->setData(key);
    action->setToolTip(toolTip);
    if (QWidget* button = widgetForAction(action)) {
        // A toolbar's buttons take no focus by default; these are how pieces
        // are placed, so they must be reachable from the keyboard.
        button->setFocusPolicy(Qt::TabFocus);
        button->setObjectName(action->objectName());
        setAccessibleNameIfChanged(button, toolTip);
    }
    connect(action, &QAction::triggered, this, [this, key] {
        // A hidden toolbar takes no clicks.
        if (!isHidden())
            emit ButtonClick(key);
    });
    buttons_.push_back(action);
    return action;
}

QAction* KeyedToolbar::addSeparatorButton()
{
    QAction* separator = addSeparator();
    buttons_.push_back(separator);
    return separator;
}

QAction* KeyedToolbar::button(int index) const
{
    if (index < 1 || index > buttonCount())
        return nullptr;
    return buttons_[std::size_t(index - 1)];
}

QAction* KeyedToolbar::buttonByKey(const QString& key) const
{
    for (QAction* action : buttons_)
        if (!action->isSeparator() && action->data().toString() == key)
            return action;
    return nullptr;
}

QString KeyedToolbar::key(int index) const
{
    QAction* action = button(index);
    return action && !action->isSeparator() ? action->data().toString() : QString();
}

void KeyedToolbar::setButtonToolTip(int index, const QString& toolTip)
{
    QAction* action = button(index);
    if (!action || action->isSeparator())
        return;
    action->setToolTip(toolTip);
    // The button shows only an icon: its tool tip is what it is called.
    if (QWidget* widget = widgetForAction(action))
        setAccessibleNameIfChanged(widget, toolTip);
}

} // namespace kx
