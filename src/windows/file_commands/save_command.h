#pragma once

namespace kx {
class Forms;

// The Click of `speichern`: writes the checked editor's order code to a file.
void speichern_Click(Forms& forms);

// The filter both file dialogs offer.
extern const char* const ConfigFileFilter;
} // namespace kx
