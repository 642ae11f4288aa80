#include "app/datasheet_run.h"

#include "datasheet/datasheet.h"
#include "datasheet/datasheet_file.h"
#include "rules/belt_file.h"
#include "rules/run_error.h"
#include "rules/text_pass_parser.h"
#include "rules/user_folders.h"
#include "rules/wording.h"

#include <QDate>
#include <QFileInfo>
#include <QString>

#include <cstdio>

namespace kx {

namespace {
void printError(const QString& text)
{
    std::fprintf(stderr, "kx-konfigurator: %s\n", text.toLocal8Bit().constData());
    std::fflush(stderr);
}
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
    // The program's language, read as its start-up reads it; a failure the
    // start-up would show in its box ends the run with that box's words.
    const QString textFolder =
        prepareTextFolder(programFolder, userTextFolder(), canRewriteTextFiles(programFolder));
    Wording wording = germanWording();
    TextPassOutcome outcome = parseTextPass(wording, folderReader(textFolder));
    requireEverySection(outcome, wording.languageFile);
    if (outcome.failure != 0 && outcome.failure != RunError::PathFileAccess) {
        printError(QStringLiteral("Form_Load(): ") +
                   failureText(outcome.reason, outcome.failure, wording.failures));
        return 1;
    }
    try {
        const Belt belt = readBeltFile(beltFile, wording.featureCodes());
        requireDatasheetBelt(belt, QFileInfo(beltFile).fileName());
        writeDatasheet(belt, wording, QDate::currentDate(), pdfFile);
    } catch (const RunError& error) {
        printError(failureText(error.reason, error.number, wording.failures));
        return 1;
    }
    return 0;
}

} // namespace kx
