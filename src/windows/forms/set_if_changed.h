#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QWidget>

namespace kx {

// The refresh step runs every 100 ms: a property that already has its value
// is left alone, so an unchanged belt repaints nothing.

inline void setTextIfChanged(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

inline void setCaptionIfChanged(QAbstractButton* button, const QString& caption)
{
    if (button->text() != caption)
        button->setText(caption);
}

// Visibility is the control's own flag, whatever its window does.
inline void setShownIfChanged(QWidget* widget, bool shown)
{
    if (widget->isHidden() == shown)
        widget->setVisible(shown);
}

inline void setEnabledIfChanged(QAction* item, bool enabled)
{
    if (item->isEnabled() != enabled)
        item->setEnabled(enabled);
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
