#include "install_plain_belt.h"

#include "forms.h"

namespace kx {

void installPlainBelt(Forms&)
{
}

} // namespace kx
