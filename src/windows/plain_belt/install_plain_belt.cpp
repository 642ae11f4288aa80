#include "install_plain_belt.h"

#include "forms.h"
#include "plain_editor.h"
#include "plain_procedures.h"

namespace kx {

void installPlainBelt(Forms& forms)
{
    forms.registerWindow(QStringLiteral("woM"), WindowKind::MdiChild,
                         [](Forms& f) { return new PlainBeltEditor(f); });
    forms.procedures.Create_Belt_oM = [&forms] { Funktionen::Create_Belt_oM(forms); };
    forms.procedures.Make_Order_Code_oM = [&forms] { Funktionen::Make_Order_Code_oM(forms); };
}

} // namespace kx
