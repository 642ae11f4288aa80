#include "windows/file_commands/datasheet_command.h"

#include "datasheet/datasheet.h"
#include "datasheet/datasheet_file.h"
#include "rules/run_error.h"
#include "windows/file_commands/file_command.h"
#include "windows/forms/common_dialog.h"
#include "windows/forms/forms.h"

#include <QDate>
#include <QFileInfo>

namespace kx {

namespace {
const char* const DatasheetProcedure = "datenblatt_Click()";
} // namespace

void exportDatasheet(Forms& forms, CommonDialog& dialog, const QString& title)
{
    forms.procedureName = QString::fromLatin1(DatasheetProcedure);
    QString path;
    try {
        // Refused before a file is asked for; the belt is named by its code.
        if (forms.document().hasBelt())
            requireDatasheetBelt(forms.document().belt(), forms.document().shownCode());
        path = chooseFile(forms, dialog, FileDialogKind::Save, title, FileType::Pdf);
        if (path.isEmpty() || !forms.document().hasBelt())
            return;
        path = confirmedTarget(forms, dialog.owner(), path, QStringLiteral(".pdf"));
        if (path.isEmpty())
            return;
        writeDatasheet(forms.document().belt(), forms.wording(), QDate::currentDate(), path,
                       forms.fileCommit());
    } catch (const RunError& error) {
        fileCommandFailed(forms, dialog.owner(), DatasheetProcedure, error,
                          QFileInfo(path).fileName());
    }
}

} // namespace kx
