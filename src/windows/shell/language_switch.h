#pragma once

class QString;

namespace kx {

class Forms;

// The Click of a language item: records the switch for the next tick.
void chooseLanguage(Forms& forms, const QString& caption);

// The tick of Timer_Umschaltung: carries out a recorded switch.
void languageSwitchTick(Forms& forms);

} // namespace kx
