#include "windows/file_commands/file_command.h"

#include "rules/wording.h"
#include "windows/forms/common_dialog.h"
#include "windows/forms/error_box.h"
#include "windows/forms/forms.h"
#include "rules/user_folders.h"

namespace kx {

const char* const BeltFileFilter = "Log Files (*.dat)|*.dat|All Files (*.*)|*.*";
const char* const DatasheetFilter = "PDF (*.pdf)|*.pdf|All Files (*.*)|*.*";

QString chooseFile(Forms& forms, CommonDialog& dialog, FileDialogKind kind, const QString& title,
                   const char* filter)
{
    dialog.FileName.clear();
    dialog.DialogTitle = plainCaption(title);
    dialog.Filter = QString::fromLatin1(filter);
    dialog.InitDir = beltFolder(forms.textFolder(), forms.programFolder());
    if (kind == FileDialogKind::Open)
        dialog.ShowOpen();
    else
        dialog.ShowSave();
    return dialog.FileName;
}

void fileCommandFailed(Forms& forms, QWidget* parent, const char* procedure, const RunError& error,
                       const QString& subject)
{
    forms.procedureName = QString::fromLatin1(procedure);
    showFailureBox(forms, parent, forms.procedureName, error, subject);
}

} // namespace kx
