#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    kx::Program program;
    program.start();
    return QApplication::exec();
}
