#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The program's files live in the folder that holds it.
    kx::Program program(QCoreApplication::applicationDirPath());
    program.start();
    return QApplication::exec();
}
