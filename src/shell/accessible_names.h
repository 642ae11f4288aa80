#pragma once

#include <QString>
#include <QWidget>

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

// Each change is announced to screen readers, so an unchanged text is not set.
inline void setAccessibleNameIfChanged(QWidget* widget, const QString& name)
{
    if (widget->accessibleName() != name)
        widget->setAccessibleName(name);
}

inline void setAccessibleDescriptionIfChanged(QWidget* widget, const QString& description)
{
    if (widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

} // namespace kx
