#include "app/command_line.h"
#include "app/datasheet_run.h"
#include "app/program.h"

#include <QApplication>
#include <QGuiApplication>

int main(int argc, char* argv[])
{
    using Stage = kx::CommandLine::Stage;
    // --help and --version answer before Qt looks for a display.
    const QStringList arguments = kx::argumentList(argc, argv);
    const kx::CommandLine early = kx::parseCommandLine(arguments, Stage::BeforeGui);
    if (early.answerOnly)
        return kx::printAnswer(early);

    // A datasheet is drawn and written without a window: no display needed.
    if (!early.datasheet.isEmpty()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        kx::quietQtMessages();
        QGuiApplication app(argc, argv);
        const kx::CommandLine line =
            kx::parseCommandLine(QCoreApplication::arguments(), Stage::AfterGui);
        if (line.answerOnly)
            return kx::printAnswer(line);
        // The program's files live in the folder that holds it.
        return kx::runDatasheet(QCoreApplication::applicationDirPath(), line.datasheet,
                                line.output);
    }

    // Without a display the toolkit would abort before the arguments are read.
    if (!kx::displayNamed(arguments))
        return kx::printAnswer(kx::withoutDisplay(arguments));

    QApplication app(argc, argv);
    const kx::CommandLine line =
        kx::parseCommandLine(QCoreApplication::arguments(), Stage::AfterGui);
    if (line.answerOnly)
        return kx::printAnswer(line);
    kx::Program program(QCoreApplication::applicationDirPath());
    program.start();
    if (!line.beltFile.isEmpty())
        program.openBeltFile(line.beltFile);
    return QApplication::exec();
}
