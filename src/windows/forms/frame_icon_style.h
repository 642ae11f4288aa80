#pragma once

#include <QIcon>
#include <QProxyStyle>

#include <map>
#include <utility>

namespace kx {

// The application's style, without the title-bar icons of the MDI frames
// and with one drawing of the extension arrow of menu bar and toolbars: the
// style draws an icon anew each time a frame or a bar is made, and the
// frames ask for title-bar icons that a frameless child never shows.
class FrameIconStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // Wraps the application's style as it is, chosen by the desktop or
    // by -style.
    static void install();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;

private:
    using QProxyStyle::QProxyStyle;

    mutable std::map<std::pair<StandardPixmap, Qt::LayoutDirection>, QIcon> extensionIcons_;
};

} // namespace kx
