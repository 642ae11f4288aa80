#include "file_command.h"

#include "common_dialog.h"
#include "error_box.h"
#include "forms.h"
#include "main_window.h"
#include "message_box.h"
#include "run_error.h"
#include "text_files.h"
#include "user_folders.h"

#include <QFileInfo>

namespace kx {

QString chooseFile(Forms& forms, FileDialogKind kind, const QString& title, const char* filter,
                   const QString& suggestedName)
{
    CommonDialog& dialog = *forms.main().CommonDialog1;
    dialog.FileName = kind == FileDialogKind::Save ? suggestedName : QString();
    dialog.DialogTitle = title;
    dialog.Filter = QString::fromLatin1(filter);
    dialog.InitDir = beltFolder(forms);
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
    const Variablen& v = forms.vars();
    const QStringList buttons{questionText(v, QuestionReplaceButton),
                              questionText(v, QuestionCancel)};
    const int answer =
        forms.messageBox().ask(parent, questionText(v, QuestionReplace, QFileInfo(path).fileName()),
                               forms.main().Caption(), buttons, 1);
    return answer == 0 ? path : QString();
}

void fileCommandFailed(Forms& forms, const char* procedure, const RunError& error,
                       const QString& subject)
{
    Variablen& v = forms.vars();
    v.Proc_Name = QString::fromLatin1(procedure);
    showFailureBox(forms, &forms.main(), v.Proc_Name, error, subject);
}

QString plainCaption(QString caption)
{
    caption.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    return caption.trimmed();
}

} // namespace kx
