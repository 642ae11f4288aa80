#include "windows/file_commands/save_command.h"

#include "rules/belt_file.h"
#include "rules/run_error.h"
#include "rules/text_files.h"
#include "rules/user_folders.h"
#include "windows/file_commands/file_command.h"
#include "windows/file_commands/recent_belts.h"
#include "windows/forms/common_dialog.h"
#include "windows/forms/forms.h"

#include <QDir>
#include <QFileInfo>

namespace kx {

namespace {
const char* const SaveProcedure = "speichern_Click()";
} // namespace

bool saveBelt(Forms& forms, CommonDialog& dialog, const QString& title)
{
    BeltDocument& doc = forms.document();
    forms.procedureName = QString::fromLatin1(SaveProcedure);
    QString path;
    try {
        QDir::setCurrent(forms.programFolder());
        // The belt's own file is offered when it came from one.
        path =
            chooseFile(forms, dialog, FileDialogKind::Save, title, FileType::Belt, doc.fileName());
        // A cancelled dialog writes nothing and says nothing.
        if (path.isEmpty() || !doc.hasBelt())
            return false;
        path = confirmedTarget(forms, dialog.owner(), path, QStringLiteral(".dat"));
        if (path.isEmpty())
            return false;
        // The file holds the belt in front, and the box shows what it holds.
        doc.buildCode();
        writeWholeFile(path, beltFileBytes(doc.belt(), doc.featureCodes()), forms.fileCommit());
        doc.markSaved(path);
        rememberBeltFolder(path);
        rememberRecentBelt(path);
        return true;
    } catch (const RunError& error) {
        // Unlike the start-up, a save that did not happen always says so.
        fileCommandFailed(forms, dialog.owner(), SaveProcedure, error, QFileInfo(path).fileName());
        return false;
    }
}

} // namespace kx
