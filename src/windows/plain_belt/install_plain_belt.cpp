#include "install_plain_belt.h"

#include "forms.h"
#include "plain_editor.h"
#include "plain_procedures.h"

namespace kx {

void installPlainBelt(Forms& forms)
{
    forms.registerWindow<PlainBeltEditor>(WindowKind::MdiChild);
    forms.procedures.Create_Belt_oM = [&forms] { Funktionen::Create_Belt_oM(forms); };
    forms.procedures.Make_Order_Code_oM = [&forms] { Funktionen::Make_Order_Code_oM(forms); };
}

} // namespace kx
