#include "windows/file_commands/print_command.h"

#include "rules/run_error.h"
#include "windows/forms/common_dialog.h"
#include "windows/forms/error_box.h"
#include "windows/forms/form.h"
#include "windows/forms/forms.h"
#include "windows/forms/image_control.h"

#include <QApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPicture>
#include <QPointer>
#include <QPrinter>
#include <QStyle>

#include <algorithm>
#include <utility>
#include <vector>

namespace kx {

namespace {
constexpr int PrinterError = 482;

// The editor or start dialog in front. All of them may be open at once,
// covering each other; the one the user sees is printed, the plain editor
// included.
Form* windowToPrint(Forms& forms)
{
    QMdiArea* area = forms.mdiArea();
    if (!area)
        return nullptr;
    const QList<QMdiSubWindow*> frames = area->subWindowList(QMdiArea::StackingOrder);
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

namespace {
constexpr qreal MarginMillimetres = 10;

// On paper the window shows in the toolkit's own light colours, whatever
// the desktop's, with every control as legible as an enabled one.
QPalette paperPalette()
{
    QPalette paper = QApplication::style()->standardPalette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = QPalette::ColorRole(role);
        if (colorRole == QPalette::NoRole)
            continue;
        const QBrush active = paper.brush(QPalette::Active, colorRole);
        paper.setBrush(QPalette::Inactive, colorRole, active);
        paper.setBrush(QPalette::Disabled, colorRole, active);
    }
    return paper;
}

// The window's current appearance as drawing commands: text stays text.
// The image controls leave out their pictures, whose drawings follow; only
// the window's own background is left out, so that the sheet stays white.
QPicture recordWindow(QWidget& window)
{
    const QPalette paper = paperPalette();
    std::vector<std::pair<QPointer<QWidget>, QPalette>> own;
    for (QWidget* control : window.findChildren<QWidget*>())
        if (control->testAttribute(Qt::WA_SetPalette)) {
            own.emplace_back(control, control->palette());
            control->setPalette(paper);
        }
    const bool windowOwn = window.testAttribute(Qt::WA_SetPalette);
    const QPalette windowPalette = window.palette();
    window.setPalette(paper);

    QPicture picture;
    picture.setBoundingRect(window.rect());
    QPainter painter(&picture);
    window.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();

    window.setPalette(windowOwn ? windowPalette : QPalette());
    for (const auto& [control, palette] : own)
        if (control)
            control->setPalette(palette);
    return picture;
}
// Each picture drawn in code, drawn where its control shows it.
void paintDrawings(QPainter& painter, QWidget& window)
{
    for (ImageControl* image : window.findChildren<ImageControl*>())
        if (image->isVisibleTo(&window) && !image->drawing().isNull())
            image->drawing().paint(painter,
                                   QRectF(image->mapTo(&window, QPoint(0, 0)), image->size()));
}
} // namespace

void printWindowImage(QWidget& window, QPrinter& printer)
{
    if (window.size().isEmpty())
        throw printerFailure(printer);
    const QPicture picture = recordWindow(window);
    // Margins of at least a centimetre; wider ones the user chose stay.
    QMarginsF margins = printer.pageLayout().margins(QPageLayout::Millimeter);
    margins = QMarginsF(std::max(margins.left(), MarginMillimetres),
                        std::max(margins.top(), MarginMillimetres),
                        std::max(margins.right(), MarginMillimetres),
                        std::max(margins.bottom(), MarginMillimetres));
    printer.setPageMargins(margins, QPageLayout::Millimeter);

    QPainter painter;
    if (!painter.begin(&printer))
        throw printerFailure(printer);
    // Scaled to fit the page within its margins, and centred there.
    const QRectF page(painter.viewport());
    const QSizeF size(window.size());
    const qreal scale = std::min(page.width() / size.width(), page.height() / size.height());
    painter.translate(page.center() - QPointF(size.width(), size.height()) * scale / 2);
    painter.save();
    // A picture plays back scaled from its own resolution to the printer's;
    // the scale above already holds that step.
    painter.scale(scale * picture.logicalDpiX() / printer.logicalDpiX(),
                  scale * picture.logicalDpiY() / printer.logicalDpiY());
    painter.drawPicture(0, 0, picture);
    painter.restore();
    painter.scale(scale, scale);
    paintDrawings(painter, window);
    if (!painter.end())
        throw printerFailure(printer);
}

void printWindowInFront(Forms& forms, CommonDialog& dialog)
{
    // The print command keeps a name of its own for its box.
    const QString procedure = QStringLiteral("druckereinrichtung_Click()");
    try {
        dialog.CancelError = true;
        dialog.ShowPrinter();
        // The editor is wider than a portrait page.
        dialog.printer().setPageOrientation(QPageLayout::Landscape);
        if (Form* window = windowToPrint(forms))
            printWindowImage(*window, dialog.printer());
    } catch (const RunError& error) {
        if (error.number == RunError::Cancel)
            return;
        showFailureBox(forms, dialog.owner(), procedure, error, QString());
    }
}

} // namespace kx
