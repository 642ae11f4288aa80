#include "datasheet_command.h"

#include "config_file.h"
#include "datasheet.h"
#include "file_command.h"
#include "forms.h"
#include "load_command.h"
#include "main_window.h"
#include "run_error.h"
#include "text_files.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace kx {

namespace {
const char* const DatasheetProcedure = "datenblatt_Click()";
const char* const DatasheetFilter = "PDF (*.pdf)|*.pdf|All Files (*.*)|*.*";
} // namespace

void writeDatasheet(Forms& forms, const QString& path)
{
    try {
        const QByteArray pdf = datasheetPdf(datasheetFacts(forms), forms.vars());
        writeWholeFile(path, pdf, forms.fileCommit());
    } catch (RunError& error) {
        if (error.reason.subject.isEmpty())
            error.reason.subject = QFileInfo(path).fileName();
        throw;
    }
}

void datenblatt_Click(Forms& forms)
{
    forms.vars().Proc_Name = QString::fromLatin1(DatasheetProcedure);
    QString path;
    try {
        path = chooseFile(forms, FileDialogKind::Save, forms.main().datenblatt->text(),
                          DatasheetFilter);
        if (path.isEmpty())
            return;
        path = confirmedTarget(forms, &forms.main(), path, QStringLiteral(".pdf"));
        if (path.isEmpty())
            return;
        writeDatasheet(forms, path);
    } catch (const RunError& error) {
        fileCommandFailed(forms, DatasheetProcedure, error, QFileInfo(path).fileName());
    }
}

QString datasheetOfFile(Forms& forms, const QString& beltPath, const QString& pdfPath)
{
    try {
        showLoadedBelt(forms, readBeltFile(beltPath));
        writeDatasheet(forms, pdfPath);
    } catch (const RunError& error) {
        return failureText(error.reason, error.number, forms.vars());
    }
    return QString();
}

} // namespace kx
