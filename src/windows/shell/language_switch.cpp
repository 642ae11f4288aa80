#include "language_switch.h"

#include "forms.h"
#include "main_window.h"
#include "message_box.h"
#include "run_error.h"
#include "text_files.h"
#include "text_pass_parser.h"

namespace kx {

void chooseLanguage(Forms& forms, const QString& caption)
{
    Variablen& v = forms.vars();
    v.Chosen_Language = caption;
    v.Language_Reloading = true;
    v.Language_Switch_Pending = true;
}

void languageSwitchTick(Forms& forms)
{
    Variablen& v = forms.vars();
    v.Proc_Name = QStringLiteral("Timer_Umschaltung_Timer()");
    if (!v.Language_Switch_Pending)
        return;
    v.Language_Switch_Pending = false;
    try {
        const QString path = forms.textFile(v.Ini_File_Name);
        writeWholeFile(path, rewriteMainTextFile(v, readTextFile(path)));
        if (v.Language_Reloading) {
            forms.unloadMain();
            MainWindow& window = forms.start();
            window.activateWindow();
            window.setFocus();
            v.Language_Reloading = false;
        }
    } catch (const RunError&) {
        // Left raised, the marker would keep a later close from ending the program.
        v.Language_Reloading = false;
        forms.messageBox().show(forms.loadedMain(), v.Proc_Name, QStringLiteral("Error"));
    }
}

} // namespace kx
