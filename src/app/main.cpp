#include "common_dialog.h"
#include "forms.h"
#include "install_files.h"
#include "install_modular_belt.h"
#include "install_plain_belt.h"
#include "message_box.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KX-Konfigurator"));
    QApplication::setApplicationVersion(QStringLiteral(KX_VERSION));

    kx::QtMessageBox messageBox;
    kx::QtDialogBackend dialogs;
    kx::Platform platform;
    platform.messageBox = &messageBox;
    platform.dialogs = &dialogs;
    platform.quit = [] { QCoreApplication::exit(0); };

    // The program's files live in the folder that holds it.
    kx::Forms forms(QCoreApplication::applicationDirPath(), platform);
    kx::installPlainBelt(forms);
    kx::installModularBelt(forms);
    kx::installFiles(forms);
    forms.start();
    return QApplication::exec();
}
