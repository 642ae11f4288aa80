#include "windows/forms/frame_icon_style.h"

#include <QApplication>
#include <QIcon>
#include <QMdiSubWindow>
#include <QStyleOption>

#include <map>
#include <utility>

namespace kx {

void FrameIconStyle::install()
{
    if (!qobject_cast<FrameIconStyle*>(QApplication::style()))
        QApplication::setStyle(new FrameIconStyle(QApplication::style()));
}

QIcon FrameIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                   const QWidget* widget) const
{
    const bool titleBarIcon = icon >= SP_TitleBarMenuButton && icon <= SP_TitleBarContextHelpButton;
    if (titleBarIcon && (!widget || qobject_cast<const QMdiSubWindow*>(widget)))
        return QIcon();
    // The menu bar and each toolbar ask for the same arrow of their
    // extension button; it depends on the direction of writing alone.
    const bool extensionIcon =
        icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton;
    if (!extensionIcon)
        return QProxyStyle::standardIcon(icon, option, widget);
    const Qt::LayoutDirection direction = option   ? option->direction
                                          : widget ? widget->layoutDirection()
                                                   : QGuiApplication::layoutDirection();
    const auto key = std::make_pair(icon, direction);
    auto found = extensionIcons_.find(key);
    if (found == extensionIcons_.end())
        found = extensionIcons_.emplace(key, QProxyStyle::standardIcon(icon, option, widget)).first;
    return found->second;
}

} // namespace kx
