#include "command_line.h"
#include "datasheet_run.h"
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
    // A datasheet is drawn and written without a window: no display needed.
    if (!early.datasheet.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        kx::quietQtMessages();
    }

    QApplication app(argc, argv);
    const kx::CommandLine line =
        kx::parseCommandLine(QCoreApplication::arguments(), Stage::AfterGui);
    if (line.answerOnly)
        return kx::printAnswer(line);
    // The program's files live in the folder that holds it.
    if (!line.datasheet.isEmpty())
        return kx::runDatasheet(QCoreApplication::applicationDirPath(), line.datasheet,
                                line.output);
    kx::Program program(QCoreApplication::applicationDirPath());
    program.start();
    if (!line.beltFile.isEmpty())
        program.openBeltFile(line.beltFile);
    return QApplication::exec();
}
