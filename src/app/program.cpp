#include "app/program.h"

#include "pictures/picture_store.h"
#include "rules/user_folders.h"
#include "version.h"
#include "windows/forms/forms.h"
#include "windows/forms/frame_icon_style.h"
#include "windows/main/main_window.h"
#include "windows/main/shell.h"

#include <QApplication>

namespace kx {

Program::Program(const QString& programFolder, DialogBackend* dialogs, MessageBoxSeam* messageBox)
{
    QApplication::setApplicationName(QStringLiteral("KX-Konfigurator"));
    QApplication::setApplicationVersion(QStringLiteral(KX_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kx-konfigurator"));
    // The start pictures as the build drew them: the start dialog shows
    // without drawing them.
    installPrerenderedStartPictures();
    FrameIconStyle::install();

    Platform platform;
    platform.messageBox = messageBox ? messageBox : &messageBox_;
    platform.dialogs = dialogs ? dialogs : &qtDialogs_;
    platform.quit = [] { QCoreApplication::exit(0); };
    platform.textFolder =
        prepareTextFolder(programFolder, userTextFolder(), canRewriteTextFiles(programFolder));
    forms_ = std::make_unique<Forms>(programFolder, platform);
    shell_ = std::make_unique<Shell>(*forms_);
}

Program::~Program()
{
    shell_.reset();
}

MainWindow& Program::start()
{
    return shell_->start();
}

void Program::openBeltFile(const QString& path)
{
    QMetaObject::invokeMethod(
        shell_.get(), [this, path] { shell_->main().openBeltFile(path); }, Qt::QueuedConnection);
}

} // namespace kx
