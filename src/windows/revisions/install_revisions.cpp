#include "install_revisions.h"

#include "belt_history.h"
#include "edit_belt.h"

#include "forms.h"

namespace kx {

void installRevisions(Forms& forms)
{
    // The registry owns it; it outlives every main window and editor.
    auto* history = new BeltHistory(forms);
    Procedures& p = forms.procedures;
    p.band_bearbeiten_Click = [&forms] { band_bearbeiten_Click(forms); };
    p.rueckgaengig_Click = [history] { history->undo(); };
    p.wiederholen_Click = [history] { history->redo(); };
    p.beltSetUp = [&forms, history] {
        history->setUp();
        offerEditBelt(forms);
    };
    p.beltChanged = [history] { history->record(); };
}

} // namespace kx
