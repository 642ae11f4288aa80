#include "forms.h"
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KX-Konfigurator"));
    QApplication::setApplicationVersion(QStringLiteral(KX_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kx-konfigurator"));

    // The program's files live in the folder that holds it.
    kx::Program program(QCoreApplication::applicationDirPath());
    program.forms().start();
    return QApplication::exec();
}
