#include "windows/file_commands/file_command.h"

#include "rules/run_error.h"
#include "rules/text_files.h"
#include "rules/user_folders.h"
#include "rules/wording.h"
#include "windows/forms/common_dialog.h"
#include "windows/forms/error_box.h"
#include "windows/forms/forms.h"
#include "windows/forms/message_box.h"

#include <QFileInfo>

namespace kx {

namespace {
// "Belt files (*.dat)|*.dat|All files (*.*)|*.*" in the language in use; a
// bar in a name would split the list.
QString filter(const Wording& w, FileType type)
{
    const auto name = [&w](CommandText line) {
        return QString(w.commands[line]).remove(QLatin1Char('|')).trimmed();
    };
    const QString own = type == FileType::Belt
                            ? name(CommandBeltFiles) + QStringLiteral(" (*.dat)|*.dat")
                            : name(CommandPdfFiles) + QStringLiteral(" (*.pdf)|*.pdf");
    return own + QLatin1Char('|') + name(CommandAllFiles) + QStringLiteral(" (*.*)|*.*");
}
} // namespace

QString chooseFile(Forms& forms, CommonDialog& dialog, FileDialogKind kind, const QString& title,
                   FileType type, const QString& suggestedName)
{
    dialog.FileName = kind == FileDialogKind::Save ? suggestedName : QString();
    dialog.DialogTitle = dialogTitle(title);
    dialog.Filter = filter(forms.wording(), type);
    dialog.InitDir = beltFolder(forms.textFolder(), forms.programFolder());
    // A cancel leaves FileName as it was: the suggestion.
    dialog.CancelError = true;
    try {
        if (kind == FileDialogKind::Open)
            dialog.ShowOpen();
        else
            dialog.ShowSave();
    } catch (const RunError& error) {
        if (error.number == RunError::Cancel)
            return QString();
        throw;
    }
    return dialog.FileName;
}

QString confirmedTarget(Forms& forms, QWidget* parent, QString path, const QString& suffix)
{
    if (QFileInfo(path).suffix().isEmpty())
        path += suffix;
    if (!checkWriteTarget(path))
        return path;
    const auto& words = forms.wording().questions;
    const QStringList buttons{questionText(words, QuestionReplaceButton),
                              questionText(words, QuestionCancel)};
    const int answer = forms.messageBox().ask(
        parent, questionText(words, QuestionReplace, QFileInfo(path).fileName()),
        forms.wording().title, buttons, 1);
    return answer == 0 ? path : QString();
}

void fileCommandFailed(Forms& forms, QWidget* parent, const char* procedure, const RunError& error,
                       const QString& subject)
{
    forms.procedureName = QString::fromLatin1(procedure);
    showFailureBox(forms, parent, forms.procedureName, error, subject);
}

} // namespace kx
