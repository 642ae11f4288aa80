#include "print_command.h"

#include "common_dialog.h"
#include "error_box.h"
#include "form.h"
#include "forms.h"
#include "main_window.h"
#include "run_error.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>

namespace kx {

namespace {
constexpr int PrinterError = 482;

// The editor or start dialog in front. All of them may be open at once,
// covering each other; the one the user sees is printed, the plain editor
// included.
Form* windowToPrint(Forms& forms)
{
    MainWindow* main = forms.loadedMain();
    if (!main)
        return nullptr;
    const QList<QMdiSubWindow*> frames = main->mdiArea->subWindowList(QMdiArea::StackingOrder);
    for (auto it = frames.crbegin(); it != frames.crend(); ++it)
        if (!(*it)->isHidden())
            return qobject_cast<Form*>((*it)->widget());
    return nullptr;
}

// A file the printer writes is named by its file name, a printer by its own.
RunError printerFailure(const QPrinter& printer)
{
    const QString file = printer.outputFileName();
    return failure(PrinterError, FailPrinter,
                   file.isEmpty() ? printer.printerName() : QFileInfo(file).fileName());
}
} // namespace

void printWindowImage(QWidget& window, QPrinter& printer)
{
    const QPixmap image = window.grab();
    QPainter painter;
    if (image.isNull() || !painter.begin(&printer))
        throw printerFailure(printer);
    const QRect page = painter.viewport();
    QSize size = image.deviceIndependentSize().toSize();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(QRect(page.topLeft(), size));
    painter.setWindow(QRect(QPoint(0, 0), image.deviceIndependentSize().toSize()));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QPoint(0, 0), image);
    if (!painter.end())
        throw printerFailure(printer);
}

void drucken_Click(Forms& forms)
{
    Variablen& v = forms.vars();
    MainWindow& main = forms.main();
    v.Print_Proc_Name = QStringLiteral("druckereinrichtung_Click()");
    try {
        CommonDialog& dialog = *main.CommonDialog2;
        dialog.CancelError = true;
        dialog.ShowPrinter();
        // The editor is wider than a portrait page.
        dialog.printer().setPageOrientation(QPageLayout::Landscape);
        if (Form* window = windowToPrint(forms))
            printWindowImage(*window, dialog.printer());
    } catch (const RunError& error) {
        if (error.number == RunError::Cancel)
            return;
        showFailureBox(forms, &main, v.Print_Proc_Name, error, QString());
    }
}

} // namespace kx
