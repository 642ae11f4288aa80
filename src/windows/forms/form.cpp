#include "windows/forms/form.h"

#include "windows/forms/accessible_names.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace kx {

Form::Form(Forms& forms, const QString& name) : forms_(forms)
{
    setObjectName(name);
}

QMdiSubWindow* Form::mdiFrame() const
{
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

QWidget* Form::frame() const
{
    if (QMdiSubWindow* sub = mdiFrame())
        return sub;
    return const_cast<Form*>(this);
}

void Form::Show()
{
    if (QMdiSubWindow* sub = mdiFrame()) {
        // MDI children are shown maximized, in front of the others.
        show();
        sub->showMaximized();
        sub->raise();
        if (QMdiArea* area = sub->mdiArea())
            area->setActiveSubWindow(sub);
        updateMainTitle();
        return;
    }
    show();
    raise();
    activateWindow();
}

void Form::Hide()
{
    // What lies behind must be there before this window stops covering it.
    emit aboutToHide();
    frame()->hide();
    updateMainTitle();
}

bool Form::Visible() const
{
    return !frame()->isHidden();
}

QString Form::Caption() const
{
    return mdiFrame() ? mdiCaption_ : windowTitle();
}

void Form::setCaption(const QString& caption)
{
    if (!mdiFrame()) {
        setWindowTitle(caption);
        return;
    }
    mdiCaption_ = caption;
    nameMdiWindow();
    updateMainTitle();
}

// The frame shows no title of its own (the main window does), so screen
// readers learn the caption from the accessible names.
void Form::nameMdiWindow()
{
    setAccessibleNameIfChanged(this, mdiCaption_);
    if (QMdiSubWindow* sub = mdiFrame())
        setAccessibleNameIfChanged(sub, mdiCaption_);
}

void Form::adoptMdiFrame()
{
    // An empty frame title keeps Qt from writing "[child]" into the main
    // window's title, which it would leave stale behind an untitled child.
    mdiCaption_ = windowTitle();
    setWindowTitle(QString());
    if (QMdiSubWindow* sub = mdiFrame())
        sub->setWindowTitle(QString());
    nameMdiWindow();
}

void Form::updateMainTitle()
{
    if (mdiFrame())
        emit frontMayHaveChanged();
}

void Form::closeEvent(QCloseEvent* event)
{
    // Editors and the start dialog are hidden rather than closed; a separate
    // window's close button unloads it.
    if (mdiFrame()) {
        event->ignore();
        Hide();
        return;
    }
    event->accept();
    emit closedByUser();
}

} // namespace kx
