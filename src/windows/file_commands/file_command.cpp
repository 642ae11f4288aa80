#include "file_command.h"

#include "common_dialog.h"
#include "error_box.h"
#include "forms.h"
#include "main_window.h"
#include "user_folders.h"

namespace kx {

QString chooseFile(Forms& forms, FileDialogKind kind, const QString& title, const char* filter)
{
    CommonDialog& dialog = *forms.main().CommonDialog1;
    dialog.FileName.clear();
    dialog.DialogTitle = title;
    dialog.Filter = QString::fromLatin1(filter);
    dialog.InitDir = beltFolder(forms);
    if (kind == FileDialogKind::Open)
        dialog.ShowOpen();
    else
        dialog.ShowSave();
    return dialog.FileName;
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
