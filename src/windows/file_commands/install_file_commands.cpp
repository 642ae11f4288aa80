#include "install_file_commands.h"

#include "datasheet_command.h"
#include "forms.h"
#include "load_command.h"
#include "order_code_command.h"
#include "print_command.h"
#include "recent_belts.h"
#include "save_command.h"

namespace kx {

void installFileCommands(Forms& forms)
{
    forms.procedures.laden_Click = [&forms] { laden_Click(forms); };
    forms.procedures.speichern_Click = [&forms] { speichern_Click(forms); };
    forms.procedures.drucken_Click = [&forms] { drucken_Click(forms); };
    forms.procedures.loadBeltFile = [&forms](const QString& path) { loadBeltFile(forms, path); };
    forms.procedures.bestellnummer_oeffnen_Click = [&forms] { bestellnummer_oeffnen_Click(forms); };
    forms.procedures.datenblatt_Click = [&forms] { datenblatt_Click(forms); };
    forms.procedures.fillRecentMenu = [&forms](QMenu& menu) { fillRecentMenu(forms, menu); };
}

} // namespace kx
