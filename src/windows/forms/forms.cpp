#include "windows/forms/forms.h"

#include "pictures/picture_store.h"
#include "windows/forms/form.h"
#include "windows/forms/keyed_toolbar.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>

#include <algorithm>
#include <stdexcept>

namespace kx {

namespace {
using Property = TextAssignment::Property;

QIcon blankIcon()
{
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

bool forMainWindow(const TextAssignment& text)
{
    return text.window == QLatin1String("wMain");
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

Forms::Forms(const QString& programFolder, Platform platform)
    : wording_(germanWording()), programFolder_(programFolder),
      textFolder_(platform.textFolder.isEmpty() ? programFolder : platform.textFolder),
      platform_(std::move(platform))
{
    if (!platform_.messageBox || !platform_.dialogs)
        throw std::invalid_argument("Forms needs a message box and a dialog backend");
}

Forms::~Forms()
{
    // Windows refer to the registry; they go first.
    for (const QPointer<Form>& form : std::as_const(windows_))
        if (form)
            delete form->frame();
    for (const QPointer<QWidget>& widget : std::as_const(dying_))
        delete widget.data();
}

QString Forms::textFile(const QString& name) const
{
    return QDir(textFolder_).filePath(name);
}

void Forms::registerWindow(const QString& name, WindowKind kind, Factory factory)
{
    factories_.insert(name, Entry{kind, std::move(factory)});
}

Form* Forms::loaded(const QString& name)
{
    if (!startingUp_ && name != frontWindow_)
        loadDeferredWindows();
    const auto it = windows_.constFind(name);
    return it == windows_.constEnd() ? nullptr : it->data();
}

void Forms::setMdiArea(QMdiArea* area)
{
    mdiArea_ = area;
}

QMdiArea* Forms::mdiArea() const
{
    return mdiArea_;
}

QMdiArea* Forms::neededMdiArea()
{
    if (!mdiArea_ && mdiAreaSource_)
        mdiArea_ = mdiAreaSource_();
    if (!mdiArea_)
        throw std::logic_error("an MDI child needs the main window");
    return mdiArea_;
}

Form* Forms::window(const QString& name)
{
    if (Form* form = loaded(name))
        return form;
    const auto entry = factories_.constFind(name);
    if (entry == factories_.constEnd())
        throw std::logic_error("no window named " + name.toStdString());

    QMdiArea* area = entry->kind == WindowKind::MdiChild ? neededMdiArea() : nullptr;
    Form* form = entry->factory(*this);
    form->setObjectName(name);
    windows_.insert(name, form);
    connect(form, &Form::aboutToHide, this, &Forms::loadDeferredWindows);
    connect(form, &Form::frontMayHaveChanged, this, &Forms::frontWindowChanged);
    connect(form, &Form::closedByUser, this, [this, name] { unload(name); });
    if (area) {
        // The children are parts of one screen: no title bar, and no second
        // set of window buttons in the menu bar beside the main window's.
        QMdiSubWindow* sub = area->addSubWindow(form, Qt::FramelessWindowHint);
        sub->setObjectName(name + QStringLiteral("_frame"));
        // A child without an icon gets a blank one: a null icon would make
        // the frame show the toolkit's logo in the menu bar.
        sub->setWindowIcon(form->windowIcon().isNull() ? blankIcon() : form->windowIcon());
        form->adoptMdiFrame();
    }
    form->Form_Load();
    // MDI children appear maximized as soon as they are loaded.
    if (area)
        form->Show();
    applyDeferredTexts(form);
    if (unloaded_.remove(name)) {
        QList<TextAssignment> texts;
        for (const TextAssignment& text : std::as_const(windowTexts_))
            if (text.window == name)
                texts.append(text);
        applyTexts(texts);
    }
    return form;
}

void Forms::rememberWording(const QList<TextAssignment>& texts)
{
    // Kept whole, a shared copy: only a window built again picks out its own.
    // The pass words every window it builds itself.
    windowTexts_ = texts;
    unloaded_.clear();
}

void Forms::applyTexts(const QList<TextAssignment>& texts)
{
    QList<QPointer<Form>> worded;
    for (const TextAssignment& a : texts) {
        if (forMainWindow(a) || !isRegistered(a.window) || deferText(a))
            continue;
        Form* form = window(a.window);
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

void Forms::beginStartup(const QString& frontWindow)
{
    frontWindow_ = frontWindow;
    startingUp_ = true;
}

void Forms::endStartup()
{
    startingUp_ = false;
    if (deferred_.isEmpty())
        return;
    Form* front = windows_.value(frontWindow_);
    if (front && front->Visible()) {
        front->installEventFilter(this);
        return;
    }
    loadDeferredWindows();
}

bool Forms::deferText(const TextAssignment& text)
{
    if (!startingUp_ || text.window == frontWindow_ || windows_.value(text.window))
        return false;
    auto it = std::find_if(deferred_.begin(), deferred_.end(),
                           [&](const Deferred& d) { return d.window == text.window; });
    if (it == deferred_.end())
        it = deferred_.insert(deferred_.end(), Deferred{text.window, {}});
    it->texts.append(text);
    return true;
}

void Forms::applyDeferredTexts(Form* form)
{
    const auto it = std::find_if(deferred_.begin(), deferred_.end(),
                                 [&](const Deferred& d) { return d.window == form->objectName(); });
    if (it == deferred_.end())
        return;
    const QList<TextAssignment> texts = std::move(it->texts);
    deferred_.erase(it);
    applyTexts(texts);
}

bool Forms::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        // Queued, so that the start dialog's first picture reaches the screen first.
        QMetaObject::invokeMethod(this, &Forms::loadDeferredWindows, Qt::QueuedConnection);
    }
    return false;
}

void Forms::loadDeferredWindows()
{
    if (deferred_.isEmpty() || loadingDeferred_ || !mdiArea_)
        return;
    loadingDeferred_ = true;
    Form* front = windows_.value(frontWindow_);
    QMdiSubWindow* frontFrame = front ? front->mdiFrame() : nullptr;
    const bool frontActive = frontFrame && mdiArea_->activeSubWindow() == frontFrame;
    QList<QMdiSubWindow*> built;
    while (!deferred_.isEmpty()) {
        const QString name = deferred_.first().window;
        Form* form = window(name);
        // window() took the texts; a window loaded in the meantime keeps its entry.
        if (!deferred_.isEmpty() && deferred_.first().window == name)
            applyDeferredTexts(form);
        if (QMdiSubWindow* frame = form->mdiFrame())
            built.append(frame);
    }
    // Behind the start dialog, as if they had been built before it.
    if (frontFrame) {
        for (QMdiSubWindow* frame : std::as_const(built))
            frame->stackUnder(frontFrame);
        if (frontActive)
            mdiArea_->setActiveSubWindow(frontFrame);
    }
    loadingDeferred_ = false;
    emit frontWindowChanged();
    emit deferredWindowsLoaded();
}

void Forms::hideOtherMdiChildren(const Form& kept)
{
    if (!mdiArea_)
        return;
    if (!startingUp_)
        loadDeferredWindows();
    // In the order they were made, so that the same step always hides alike.
    const QList<QMdiSubWindow*> frames = mdiArea_->subWindowList(QMdiArea::CreationOrder);
    for (QMdiSubWindow* frame : frames) {
        auto* form = qobject_cast<Form*>(frame->widget());
        if (form && form != &kept && windows_.value(form->objectName()) == form)
            form->Hide();
    }
}

void Forms::unload(const QString& name)
{
    QPointer<Form> form = windows_.take(name);
    if (!form)
        return;
    unloaded_.insert(name);
    QWidget* frame = form->frame();
    frame->hide();
    discard(frame);
}

void Forms::discard(QWidget* widget)
{
    // Deleted later, since it may be the sender of the running event; at the
    // latest with the registry, which its windows refer to.
    dying_.removeAll(nullptr);
    dying_.append(widget);
    widget->deleteLater();
}

void Forms::hideAllWindows()
{
    for (const QPointer<Form>& form : std::as_const(windows_))
        if (form)
            form->frame()->hide();
}

void Forms::forgetMdiChildren()
{
    for (auto it = windows_.begin(); it != windows_.end();) {
        const auto entry = factories_.constFind(it.key());
        if (entry != factories_.constEnd() && entry->kind == WindowKind::MdiChild)
            it = windows_.erase(it);
        else
            ++it;
    }
    mdiArea_ = nullptr;
}

qreal Forms::devicePixelRatio() const
{
    return platform_.devicePixelRatio > 0 ? platform_.devicePixelRatio : qApp->devicePixelRatio();
}

ModulePictureStore& Forms::modulePictures()
{
    if (!images1_)
        images1_ = std::make_unique<ModulePictureStore>(devicePixelRatio());
    return *images1_;
}

BeltPictureStore& Forms::beltPictures()
{
    if (!images2_)
        images2_ = std::make_unique<BeltPictureStore>(devicePixelRatio());
    return *images2_;
}

} // namespace kx
