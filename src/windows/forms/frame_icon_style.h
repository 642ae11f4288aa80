#pragma once

#include <QIcon>
#include <QProxyStyle>

#include <map>
#include <utility>

namespace kx {

// The application's style, without the title-bar icons of the MDI frames
// and with the extension arrow of menu bar and toolbars drawn once, when it
// is first shown: the style draws an icon anew each time a frame or a bar is
// made, the frames ask for title-bar icons that a frameless child never
// shows, and a bar shows its arrow only when it runs out of room.
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
