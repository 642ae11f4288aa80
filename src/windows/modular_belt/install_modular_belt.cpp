#include "install_modular_belt.h"

#include "belt_timers.h"
#include "modular_editor.h"
#include "modular_procedures.h"

#include "forms.h"

namespace kx {

void installModularBelt(Forms& forms)
{
    forms.registerWindow<ModularBeltEditor>(WindowKind::MdiChild);
    Procedures& p = forms.procedures;
    p.Create_Belt_mM_Right = [&forms] { Funktionen::Create_Belt_mM_Right(forms); };
    p.Create_Belt_mM_Left = [&forms] { Funktionen::Create_Belt_mM_Left(forms); };
    p.Make_Order_Code_mM = [&forms] { Funktionen::refreshOrderCode_mM(forms); };
    p.moduleTick = [&forms] { return moduleTimerTick(forms); };
    p.driveTick = [&forms] { driveTimerTick(forms); };
}

} // namespace kx
