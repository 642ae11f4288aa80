#include "save_command.h"

#include "config_file.h"
#include "file_command.h"
#include "form.h"
#include "forms.h"
#include "main_window.h"
#include "modular_editor.h"
#include "plain_editor.h"
#include "recent_belts.h"
#include "run_error.h"
#include "text_files.h"
#include "user_folders.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>

namespace kx {

const char* const ConfigFileFilter = "Log Files (*.dat)|*.dat|All Files (*.*)|*.*";

namespace {
const char* const SaveProcedure = "speichern_Click()";

QString shownCode(Forms& forms, bool plain)
{
    const QLineEdit* box = plain ? forms.window<PlainBeltEditor>().Text_Bestellnummer
                                 : forms.window<ModularBeltEditor>().Text_Bestellnummer;
    return box->text();
}
} // namespace

void speichern_Click(Forms& forms)
{
    Variablen& v = forms.vars();
    MainWindow& main = forms.main();
    v.Proc_Name = QString::fromLatin1(SaveProcedure);
    try {
        QDir::setCurrent(forms.programFolder());
        v.Config_File_Name.clear();
        v.Config_File_Name =
            chooseFile(forms, FileDialogKind::Save, main.speichern->text(), ConfigFileFilter);
        // A cancelled dialog writes nothing and says nothing.
        if (v.Config_File_Name.isEmpty())
            return;
        v.Config_File_Name =
            confirmedTarget(forms, &main, v.Config_File_Name, QStringLiteral(".dat"));
        if (v.Config_File_Name.isEmpty())
            return;

        const bool plain = main.band_om->isChecked();
        const BeltKind kind = plain ? BeltKind::Plain : BeltKind::Modular;
        const QString code = shownCode(forms, plain);
        v.Config_Line = QLatin1Char(plain ? 'o' : 'm') + code;
        writeWholeFile(v.Config_File_Name, formatConfigFile(kind, code), forms.fileCommit());
        rememberBeltFolder(v.Config_File_Name);
        rememberRecentBelt(v.Config_File_Name);
    } catch (const RunError& error) {
        // Unlike the start-up, a save that did not happen always says so.
        fileCommandFailed(forms, SaveProcedure, error, QFileInfo(v.Config_File_Name).fileName());
    }
}

} // namespace kx
