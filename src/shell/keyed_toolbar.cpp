#include "keyed_toolbar.h"

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
    if (QAction* action = button(index); action && !action->isSeparator())
        action->setToolTip(toolTip);
}

} // namespace kx
