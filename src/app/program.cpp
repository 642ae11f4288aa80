#include "program.h"

#include "forms.h"
#include "install_file_commands.h"
#include "install_modular_belt.h"
#include "install_plain_belt.h"
#include "install_revisions.h"
#include "main_window.h"

#include "picture_store.h"

#include <QApplication>

namespace kx {

Program::Program(const QString& programFolder, DialogBackend* dialogs)
{
    QApplication::setApplicationName(QStringLiteral("KX-Konfigurator"));
    QApplication::setApplicationVersion(QStringLiteral(KX_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kx-konfigurator"));
    // The start pictures as the build drew them: the start dialog shows
    // without drawing them.
    installPrerenderedStartPictures();

    Platform platform;
    platform.messageBox = &messageBox_;
    platform.dialogs = dialogs ? dialogs : &qtDialogs_;
    platform.quit = [] { QCoreApplication::exit(0); };
    forms_ = std::make_unique<Forms>(programFolder, platform);
    installPlainBelt(*forms_);
    installModularBelt(*forms_);
    installFileCommands(*forms_);
    installRevisions(*forms_);
}

Program::~Program() = default;

MainWindow& Program::start()
{
    return forms_->start();
}

} // namespace kx
