#include "datasheet_run.h"

#include "datasheet_command.h"
#include "message_box.h"
#include "program.h"

#include <QString>

#include <cstdio>

namespace kx {

namespace {
void printError(const QString& text)
{
    std::fprintf(stderr, "kx-konfigurator: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}

// Nobody is there to press OK: a box the start-up shows goes to the error
// output, its reason below its procedure, and makes the run fail.
class ErrorOutput final : public MessageBoxSeam {
public:
    void show(QWidget*, const QString& text, const QString&, const QString& informative) override
    {
        printError(informative.isEmpty() ? text : text + QStringLiteral(": ") + informative);
        ++shown;
    }
    // Nobody is there to answer: the answer that changes nothing.
    int ask(QWidget*, const QString&, const QString&, const QStringList&, int escapeButton) override
    {
        return escapeButton;
    }
    int shown = 0;
};
} // namespace

void quietQtMessages()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            printError(message);
    });
}

int runDatasheet(const QString& programFolder, const QString& beltFile, const QString& pdfFile)
{
    ErrorOutput boxes;
    Program program(programFolder, nullptr, &boxes);
    program.start();
    if (boxes.shown > 0)
        return 1;
    const QString reason = datasheetOfFile(program.forms(), beltFile, pdfFile);
    if (reason.isEmpty() && boxes.shown == 0)
        return 0;
    if (!reason.isEmpty())
        printError(reason);
    return 1;
}

} // namespace kx
