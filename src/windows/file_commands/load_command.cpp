#include "windows/file_commands/load_command.h"

#include "rules/belt_file.h"
#include "rules/run_error.h"
#include "rules/user_folders.h"
#include "windows/file_commands/file_command.h"
#include "windows/file_commands/recent_belts.h"
#include "windows/forms/common_dialog.h"
#include "windows/forms/forms.h"

#include <QDir>
#include <QFileInfo>

#include <functional>

namespace kx {

namespace {
const char* const LoadProcedure = "laden_Click()";

// A load once its source is chosen: the belt read and checked whole, then
// shown; a failure's box names the procedure and what failed.
bool loadBelt(Forms& forms, QWidget* parent, const char* procedure, const QString& subject,
              const QString& fileName, const std::function<Belt()>& read)
{
    forms.procedureName = QString::fromLatin1(procedure);
    try {
        const Belt belt = read();
        forms.document().showLoaded(belt, fileName);
        return true;
    } catch (const RunError& error) {
        fileCommandFailed(forms, parent, procedure, error, subject);
        return false;
    }
}
} // namespace

void openBelt(Forms& forms, CommonDialog& dialog, const QString& title)
{
    forms.procedureName = QString::fromLatin1(LoadProcedure);
    QString path;
    try {
        QDir::setCurrent(forms.programFolder());
        path = chooseFile(forms, dialog, FileDialogKind::Open, title, FileType::Belt);
    } catch (const RunError& error) {
        fileCommandFailed(forms, dialog.owner(), LoadProcedure, error, QString());
        return;
    }
    if (!path.isEmpty())
        loadBeltFile(forms, dialog.owner(), path);
}

bool loadBeltFile(Forms& forms, QWidget* parent, const QString& path)
{
    const FeatureCodes codes = forms.wording().featureCodes();
    if (!loadBelt(forms, parent, LoadProcedure, QFileInfo(path).fileName(), path,
                  [&] { return readBeltFile(path, codes); }))
        return false;
    rememberBeltFolder(path);
    rememberRecentBelt(path);
    return true;
}

bool loadOrderCode(Forms& forms, QWidget* parent, const char* procedure, const QString& text)
{
    // A long paste is named by its start.
    const QString code = text.trimmed();
    const QString subject = code.size() <= 32 ? code : code.left(31) + QChar(0x2026);
    const FeatureCodes codes = forms.wording().featureCodes();
    return loadBelt(forms, parent, procedure, subject, QString(),
                    [&] { return readOrderCode(text, codes); });
}

void openRecentBelt(Forms& forms, QWidget* parent, const QString& path)
{
    if (!loadBeltFile(forms, parent, path) && !QFileInfo::exists(path))
        forgetRecentBelt(path);
}

} // namespace kx
