#include "windows/forms/common_dialog.h"

#include "rules/run_error.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

namespace kx {

QString qtFileFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        // "*.*" means every file; on this platform names need no dot.
        if (patterns == QLatin1String("*.*"))
            patterns = QStringLiteral("*");
        // Qt reads the patterns from a trailing "(...)": replace any there.
        const int open = description.lastIndexOf(QLatin1Char('('));
        if (open > 0 && description.endsWith(QLatin1Char(')')))
            description = description.left(open).trimmed();
        entries << description + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<QString> QtDialogBackend::openFileName(QWidget* parent, const QString& title,
                                                     const QString& qtFilter, const QString& folder)
{
    QFileDialog dialog(parent, title, folder, qtFilter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name of a file that does not exist comes back as typed.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogBackend::saveFileName(QWidget* parent, const QString& title,
                                                     const QString& qtFilter, const QString& folder,
                                                     const QString& suggestedName)
{
    QFileDialog dialog(parent, title, folder, qtFilter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The commands ask through the message-box seam, after a missing
    // extension has been added to the name.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!suggestedName.isEmpty())
        dialog.selectFile(suggestedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

bool QtDialogBackend::choosePrinter(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> QtDialogBackend::askText(QWidget* parent, const QString& title,
                                                const QString& label, const QString& text)
{
    QInputDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("wTextEingabe"));
    dialog.setWindowTitle(title);
    dialog.setLabelText(label);
    dialog.setTextValue(text);
    // Wide enough for the longest order code at a glance.
    dialog.resize(qMax(dialog.sizeHint().width(), 420), dialog.sizeHint().height());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

CommonDialog::CommonDialog(DialogBackend& backend, QWidget* owner, const QString& name)
    : QObject(owner), backend_(backend), owner_(owner)
{
    setObjectName(name);
}

CommonDialog::~CommonDialog() = default;

void CommonDialog::ShowOpen()
{
    if (auto name = backend_.openFileName(owner_, DialogTitle, qtFileFilter(Filter), InitDir))
        FileName = *name;
    else
        cancelled();
}

void CommonDialog::ShowSave()
{
    if (auto name =
            backend_.saveFileName(owner_, DialogTitle, qtFileFilter(Filter), InitDir, FileName))
        FileName = *name;
    else
        cancelled();
}

void CommonDialog::ShowPrinter()
{
    if (!backend_.choosePrinter(owner_, printer()))
        cancelled();
}

QPrinter& CommonDialog::printer()
{
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

void CommonDialog::cancelled()
{
    if (CancelError)
        throw RunError(RunError::Cancel);
}

} // namespace kx
