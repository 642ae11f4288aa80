#include "windows/forms/frame_icon_style.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStyleOption>

#include <map>
#include <utility>

namespace kx {

namespace {

// Asks the style for its icon when the icon is first drawn: every bar makes
// an extension button, but shows it only when it runs out of room.
class DeferredIconEngine final : public QIconEngine
{
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap icon, Qt::LayoutDirection direction)
        : style_(style), icon_(icon), direction_(direction)
    {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        drawn().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return drawn().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return drawn().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return drawn().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return drawn().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& drawn()
    {
        if (!drawn_ && style_) {
            QStyleOption option;
            option.direction = direction_;
            drawnIcon_ = style_->standardIcon(icon_, &option);
            drawn_ = true;
        }
        return drawnIcon_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap icon_;
    Qt::LayoutDirection direction_;
    bool drawn_ = false;
    QIcon drawnIcon_;
};

} // namespace

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
        found = extensionIcons_
                    .emplace(key, QIcon(new DeferredIconEngine(baseStyle(), icon, direction)))
                    .first;
    return found->second;
}

} // namespace kx
