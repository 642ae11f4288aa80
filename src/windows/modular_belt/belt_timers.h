#pragma once

namespace kx {
class Forms;

// Timer_Module's work: carries out or refuses the request wmM recorded.
// False ends the tick without the refresh step.
bool moduleTimerTick(Forms& forms);

// Timer_Antrieb's work before its refresh step: the belt length and the
// drive symbol follow the row. Skipped while nothing it reads has changed
// since the last tick (wmM's tickCache).
void driveTimerTick(Forms& forms);

} // namespace kx
