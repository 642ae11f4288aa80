#include "install_revisions.h"

#include "belt_history.h"

#include "forms.h"

namespace kx {

void installRevisions(Forms& forms)
{
    // The registry owns it; it outlives every main window and editor.
    auto* history = new BeltHistory(forms);
    Procedures& p = forms.procedures;
    p.rueckgaengig_Click = [history] { history->undo(); };
    p.wiederholen_Click = [history] { history->redo(); };
    p.beltSetUp = [history] { history->setUp(); };
    p.beltChanged = [history] { history->record(); };
}

} // namespace kx
