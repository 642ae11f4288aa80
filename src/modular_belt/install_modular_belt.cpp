#include "install_modular_belt.h"

#include "forms.h"

namespace kx {

void installModularBelt(Forms&)
{
}

} // namespace kx
