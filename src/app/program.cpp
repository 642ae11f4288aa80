#include "program.h"

#include "forms.h"
#include "install_file_commands.h"
#include "install_modular_belt.h"
#include "install_plain_belt.h"
#include "install_revisions.h"
#include "load_command.h"
#include "main_window.h"
#include "user_folders.h"

#include "picture_store.h"

#include <QApplication>

namespace kx {

Program::Program(const QString& programFolder, DialogBackend* dialogs,
                 MessageBoxSeam* messageBox)
{
    QApplication::setApplicationName(QStringLiteral("KX-Konfigurator"));
    QApplication::setApplicationVersion(QStringLiteral(KX_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kx-konfigurator"));
    // The start pictures as the build drew them: the start dialog shows
    // without drawing them.
    installPrerenderedStartPictures();

    Platform platform;
    platform.messageBox = messageBox ? messageBox : &messageBox_;
    platform.dialogs = dialogs ? dialogs : &qtDialogs_;
    platform.quit = [] { QCoreApplication::exit(0); };
    platform.textFolder =
        prepareTextFolder(programFolder, userTextFolder(), canRewriteTextFiles(programFolder));
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

void Program::openBeltFile(const QString& path)
{
    QMetaObject::invokeMethod(
        forms_.get(), [this, path] { loadBeltFile(*forms_, path); }, Qt::QueuedConnection);
}

} // namespace kx
