#include "windows/file_commands/file_command.h"

#include "rules/wording.h"
#include "windows/forms/common_dialog.h"
#include "windows/forms/error_box.h"
#include "windows/forms/forms.h"
#include "rules/user_folders.h"

namespace kx {

namespace {
// "Belt files (*.dat)|*.dat|All files (*.*)|*.*" in the language in use; a
// bar in a name would split the list.
QString filter(const Wording& w, FileType type)
{
    const auto name = [&w](CommandText line) {
        return QString(w.commands[line]).remove(QLatin1Char('|')).trimmed();
    };
    const QString own = type == FileType::Belt ? name(CommandBeltFiles) + QStringLiteral(" (*.dat)|*.dat")
                                               : name(CommandPdfFiles) + QStringLiteral(" (*.pdf)|*.pdf");
    return own + QLatin1Char('|') + name(CommandAllFiles) + QStringLiteral(" (*.*)|*.*");
}
} // namespace

QString chooseFile(Forms& forms, CommonDialog& dialog, FileDialogKind kind, const QString& title,
                   FileType type)
{
    dialog.FileName.clear();
    dialog.DialogTitle = dialogTitle(title);
    dialog.Filter = filter(forms.wording(), type);
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
