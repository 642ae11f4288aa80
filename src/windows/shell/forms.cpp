#include "forms.h"

#include "example_windows.h"
#include "form.h"
#include "info_dialog.h"
#include "main_window.h"
#include "qt_translation.h"
#include "start_dialog.h"

#include "picture_store.h"
#include "text_pass.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmap>

#include <algorithm>
#include <stdexcept>

namespace kx {

namespace {
QIcon blankIcon()
{
    QPixmap blank(16, 16);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}
} // namespace

Forms::Forms(const QString& programFolder, Platform platform)
    : programFolder_(programFolder),
      textFolder_(platform.textFolder.isEmpty() ? programFolder : platform.textFolder),
      platform_(std::move(platform)), qtTranslation_(std::make_unique<QtTranslation>())
{
    if (!platform_.messageBox || !platform_.dialogs)
        throw std::invalid_argument("Forms needs a message box and a dialog backend");
    registerWindow<StartDialog>(WindowKind::MdiChild);
    registerWindow<InfoDialog>(WindowKind::TopLevel);
    registerWindow<ExampleWindow1>(WindowKind::TopLevel);
    registerWindow<ExampleWindow2>(WindowKind::TopLevel);
}

Forms::~Forms()
{
    // Windows refer to the registry; they go first.
    MainWindow* window = main_;
    main_ = nullptr;
    delete window;
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
    // The start dialog alone can be had without the windows behind it.
    if (!startingUp_ && name != StartDialog::windowName())
        loadDeferredWindows();
    const auto it = windows_.constFind(name);
    return it == windows_.constEnd() ? nullptr : it->data();
}

Form* Forms::window(const QString& name)
{
    if (Form* form = loaded(name))
        return form;
    const auto entry = factories_.constFind(name);
    if (entry == factories_.constEnd())
        throw std::logic_error("no window named " + name.toStdString());

    Form* form = entry->factory(*this);
    form->setObjectName(name);
    windows_.insert(name, form);
    if (entry->kind == WindowKind::MdiChild) {
        // The children are parts of one screen: no title bar, and no second
        // set of window buttons in the menu bar beside the main window's.
        QMdiSubWindow* sub = main().mdiArea->addSubWindow(form, Qt::FramelessWindowHint);
        sub->setObjectName(name + QStringLiteral("_frame"));
        // A child without an icon gets a blank one: a null icon would make
        // the frame show the toolkit's logo in the menu bar.
        sub->setWindowIcon(form->windowIcon().isNull() ? blankIcon() : form->windowIcon());
        form->adoptMdiFrame();
    }
    form->Form_Load();
    // MDI children appear maximized as soon as they are loaded.
    if (entry->kind == WindowKind::MdiChild)
        form->Show();
    applyDeferredTexts(form);
    if (unloaded_.remove(name)) {
        QList<TextAssignment> texts;
        for (const TextAssignment& text : std::as_const(wording_))
            if (text.window == name)
                texts.append(text);
        applyTextAssignments(*this, texts);
    }
    return form;
}

void Forms::rememberWording(const QList<TextAssignment>& texts)
{
    // Kept whole, a shared copy: only a window built again picks out its own.
    // The pass words every window it builds itself.
    wording_ = texts;
    unloaded_.clear();
}

void Forms::beginStartup()
{
    startingUp_ = true;
}

void Forms::endStartup()
{
    startingUp_ = false;
    if (deferred_.isEmpty())
        return;
    Form* start = windows_.value(StartDialog::windowName());
    if (start && start->Visible()) {
        start->installEventFilter(this);
        return;
    }
    loadDeferredWindows();
}

bool Forms::deferText(const TextAssignment& text)
{
    if (!startingUp_ || text.window == StartDialog::windowName() || windows_.value(text.window))
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
    applyTextAssignments(*this, texts);
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
    if (deferred_.isEmpty() || loadingDeferred_ || !main_)
        return;
    loadingDeferred_ = true;
    Form* start = windows_.value(StartDialog::windowName());
    QMdiSubWindow* startFrame = start ? start->mdiFrame() : nullptr;
    const bool startActive = startFrame && main_->mdiArea->activeSubWindow() == startFrame;
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
    if (startFrame) {
        for (QMdiSubWindow* frame : std::as_const(built))
            frame->stackUnder(startFrame);
        if (startActive)
            main_->mdiArea->setActiveSubWindow(startFrame);
    }
    loadingDeferred_ = false;
    main_->updateTitle();
    emit deferredWindowsLoaded();
}

void Forms::hideOtherMdiChildren(const Form& kept)
{
    if (!main_)
        return;
    if (!startingUp_)
        loadDeferredWindows();
    // In the order they were made, so that the same step always hides alike.
    const QList<QMdiSubWindow*> frames = main_->mdiArea->subWindowList(QMdiArea::CreationOrder);
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

MainWindow& Forms::main()
{
    if (!main_) {
        main_ = new MainWindow(*this);
        main_->Form_Load();
    }
    return *main_;
}

MainWindow* Forms::loadedMain() const
{
    return main_.data();
}

MainWindow& Forms::start()
{
    MainWindow& window = main();
    window.show();
    return window;
}

void Forms::unloadMain()
{
    MainWindow* window = main_;
    if (!window)
        return;
    // The held-back windows were there all along: a reload keeps the
    // separate ones. An ending program needs none of them.
    if (vars_.Language_Reloading)
        loadDeferredWindows();
    else
        deferred_.clear();
    main_ = nullptr;
    window->stopTimers();
    forgetMdiChildren();
    window->hide();
    discard(window);
    if (!vars_.Language_Reloading)
        endProgram();
}

void Forms::discard(QWidget* widget)
{
    // Deleted later, since it may be the sender of the running event; at the
    // latest with the registry, which its windows refer to.
    dying_.removeAll(nullptr);
    dying_.append(widget);
    widget->deleteLater();
}

void Forms::mainTerminated(MainWindow* window)
{
    if (main_ != window)
        return;
    main_ = nullptr;
    deferred_.clear();
    forgetMdiChildren();
    endProgram();
}

void Forms::forgetMdiChildren()
{
    // The MDI children go with the main window; separate windows stay.
    for (auto it = windows_.begin(); it != windows_.end();) {
        const auto entry = factories_.constFind(it.key());
        if (entry != factories_.constEnd() && entry->kind == WindowKind::MdiChild)
            it = windows_.erase(it);
        else
            ++it;
    }
}

void Forms::endProgram()
{
    if (ended_)
        return;
    ended_ = true;
    for (const QPointer<Form>& form : std::as_const(windows_))
        if (form)
            form->frame()->hide();
    if (platform_.quit)
        platform_.quit();
    else
        QCoreApplication::exit(0);
}

qreal Forms::devicePixelRatio() const
{
    return platform_.devicePixelRatio > 0 ? platform_.devicePixelRatio : qApp->devicePixelRatio();
}

ModulePictureStore& Forms::wImages1()
{
    if (!images1_)
        images1_ = std::make_unique<ModulePictureStore>(devicePixelRatio());
    return *images1_;
}

BeltPictureStore& Forms::wImages2()
{
    if (!images2_)
        images2_ = std::make_unique<BeltPictureStore>(devicePixelRatio());
    return *images2_;
}

} // namespace kx
