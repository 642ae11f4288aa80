#include "install_files.h"

#include "forms.h"

namespace kx {

void installFiles(Forms&)
{
}

} // namespace kx
