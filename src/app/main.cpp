#include "command_line.h"
#include "program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    using Stage = kx::CommandLine::Stage;
    // --help and --version answer before Qt looks for a display.
    const kx::CommandLine early =
        kx::parseCommandLine(kx::argumentList(argc, argv), Stage::BeforeGui);
    if (early.answerOnly)
        return kx::printAnswer(early);

    QApplication app(argc, argv);
    const kx::CommandLine line =
        kx::parseCommandLine(QCoreApplication::arguments(), Stage::AfterGui);
    if (line.answerOnly)
        return kx::printAnswer(line);
    // The program's files live in the folder that holds it.
    kx::Program program(QCoreApplication::applicationDirPath());
    program.start();
    if (!line.beltFile.isEmpty())
        program.openBeltFile(line.beltFile);
    return QApplication::exec();
}
