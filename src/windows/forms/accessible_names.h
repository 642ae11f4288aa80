#pragma once

#include "windows/forms/set_if_changed.h"

#include <QString>

namespace kx {

// A caption as the name of what it heads: a label's colon leads on to the
// control and is no part of its name.
inline QString nameFromCaption(QString caption)
{
    caption = caption.trimmed();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption.trimmed();
}

} // namespace kx
