#include "text_pass.h"

#include "form.h"
#include "forms.h"
#include "keyed_toolbar.h"
#include "main_window.h"
#include "qt_translation.h"
#include "run_error.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QtGlobal>

namespace kx {

namespace {
using Property = TextAssignment::Property;

void applyToMainWindow(MainWindow& window, const TextAssignment& a)
{
    if (a.control.isEmpty()) {
        window.setCaption(a.text);
        return;
    }
    QAction* item = window.menuItem(a.control);
    if (!item) {
        qWarning("text pass: no menu item %s", qPrintable(a.control));
        return;
    }
    if (a.property == Property::Visible)
        item->setVisible(a.visible);
    else
        item->setText(a.text);
}

void applyToControl(Form& form, const TextAssignment& a)
{
    if (a.property == Property::ToolTip) {
        if (auto* toolbar = form.findChild<KeyedToolbar*>(a.control))
            toolbar->setButtonToolTip(a.index, a.text);
        else
            qWarning("text pass: no toolbar %s on %s", qPrintable(a.control),
                     qPrintable(form.objectName()));
        return;
    }
    const QString name =
        a.index < 0 ? a.control : QStringLiteral("%1(%2)").arg(a.control).arg(a.index);
    QWidget* widget = form.findChild<QWidget*>(name);
    if (!widget) {
        qWarning("text pass: no control %s on %s", qPrintable(name), qPrintable(form.objectName()));
        return;
    }
    if (a.property == Property::Visible) {
        widget->setVisible(a.visible);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        // The files' texts are shown as written, never as markup.
        label->setTextFormat(Qt::PlainText);
        label->setText(a.text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(a.text);
    } else {
        qWarning("text pass: %s takes no caption", qPrintable(name));
    }
}
} // namespace

void applyTextAssignments(Forms& forms, const QList<TextAssignment>& assignments)
{
    QList<QPointer<Form>> worded;
    for (const TextAssignment& a : assignments) {
        if (a.window == QLatin1String("wMain")) {
            applyToMainWindow(forms.main(), a);
            continue;
        }
        if (!forms.isRegistered(a.window) || forms.deferText(a))
            continue;
        Form* form = forms.window(a.window);
        if (!worded.contains(form))
            worded.append(form);
        if (a.control.isEmpty())
            form->setCaption(a.text);
        else
            applyToControl(*form, a);
    }
    for (const QPointer<Form>& form : worded)
        if (form)
            form->nameControls();
}

void runTextPass(Forms& forms)
{
    const TextPassOutcome outcome =
        parseTextPass(forms.vars(), folderReader(forms.textFolder()));
    forms.rememberWording(outcome.assignments);
    applyTextAssignments(forms, outcome.assignments);
    forms.main().wordCommands();
    forms.qtTranslation().use(forms.vars().Locale_Texts(LocaleName));
    if (outcome.failure != 0)
        throw RunError(outcome.failure, outcome.reason);
}

} // namespace kx
