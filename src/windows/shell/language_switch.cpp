#include "language_switch.h"

#include "error_box.h"
#include "forms.h"
#include "main_window.h"
#include "run_error.h"
#include "text_files.h"
#include "text_pass_parser.h"

#include <memory>

namespace kx {

namespace {
// The start-up that follows the rewrite must run through: the text pass runs
// once beforehand, on scratch variables, over the main text file as it will
// be and the chosen language file, with the same guards.
void checkNewTexts(const QString& folder, const QString& mainName, const QByteArray& newMain)
{
    const TextFileReader fromFolder = folderReader(folder);
    auto scratch = std::make_unique<Variablen>();
    scratch->Ini_File_Name = mainName;
    const TextPassOutcome outcome = parseTextPass(*scratch, [&](const QString& name) {
        return name == mainName ? decodeTextFile(newMain) : fromFolder(name);
    });
    if (outcome.failure != 0)
        throw RunError(outcome.failure, outcome.reason);
}
} // namespace

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
    // An idle tick leaves Proc_Name alone: it runs inside the file dialogs
    // too, and another command's error box would show this name.
    if (!v.Language_Switch_Pending)
        return;
    v.Proc_Name = QStringLiteral("Timer_Umschaltung_Timer()");
    v.Language_Switch_Pending = false;
    try {
        const QString path = forms.programFile(v.Ini_File_Name);
        const QByteArray newMain = rewriteMainTextFile(v, readTextFile(path));
        if (v.Language_Reloading)
            checkNewTexts(forms.programFolder(), v.Ini_File_Name, newMain);
        writeWholeFile(path, newMain);
        if (v.Language_Reloading) {
            forms.unloadMain();
            MainWindow& window = forms.start();
            window.activateWindow();
            window.setFocus();
            v.Language_Reloading = false;
        }
    } catch (const RunError& error) {
        // Left raised, the marker would keep a later close from ending the program.
        v.Language_Reloading = false;
        v.Proc_Name = QStringLiteral("Timer_Umschaltung_Timer()");
        showFailureBox(forms, forms.loadedMain(), v.Proc_Name, error, v.Ini_File_Name);
    }
}

} // namespace kx
