#include "install_file_commands.h"

#include "forms.h"
#include "load_command.h"
#include "print_command.h"
#include "save_command.h"

namespace kx {

void installFileCommands(Forms& forms)
{
    forms.procedures.laden_Click = [&forms] { laden_Click(forms); };
    forms.procedures.speichern_Click = [&forms] { speichern_Click(forms); };
    forms.procedures.drucken_Click = [&forms] { drucken_Click(forms); };
    forms.procedures.loadBeltFile = [&forms](const QString& path) { loadBeltFile(forms, path); };
}

} // namespace kx
