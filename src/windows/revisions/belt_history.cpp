#include "belt_history.h"

#include "forms.h"
#include "main_window.h"
#include "modular_editor.h"
#include "plain_editor.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QScrollBar>
#include <QUndoCommand>

namespace kx {

// One accepted change: the belt before and after it.
class BeltChange : public QUndoCommand
{
public:
    BeltChange(BeltHistory& history, BeltSnapshot before, BeltSnapshot after)
        : history_(history), before_(std::move(before)), after_(std::move(after))
    {}

    void undo() override { history_.restore(before_); }
    void redo() override
    {
        // Pushed once the change has happened: the first redo has nothing to do.
        if (pushed_)
            history_.restore(after_);
        pushed_ = true;
    }

private:
    BeltHistory& history_;
    BeltSnapshot before_;
    BeltSnapshot after_;
    bool pushed_ = false;
};

BeltHistory::BeltHistory(Forms& forms) : QObject(&forms), forms_(forms)
{
    connect(&stack_, &QUndoStack::canUndoChanged, this, &BeltHistory::offerCommands);
    connect(&stack_, &QUndoStack::canRedoChanged, this, &BeltHistory::offerCommands);
}

BeltHistory::~BeltHistory()
{
    // The stack empties itself as it goes, after this object.
    disconnect(&stack_, nullptr, this, nullptr);
}

void BeltHistory::setUp()
{
    editor_ = Editor::None;
    const MainWindow* main = forms_.loadedMain();
    if (main && main->band_om->isChecked()) {
        watch(forms_.window<PlainBeltEditor>());
        editor_ = Editor::Plain;
    } else if (main && (main->band_rechts->isChecked() || main->band_links->isChecked())) {
        watch(forms_.window<ModularBeltEditor>());
        editor_ = Editor::Modular;
    }
    stack_.clear();
    current_ = take();
}

BeltSnapshot BeltHistory::take() const
{
    switch (editor_) {
    case Editor::Plain:
        return plainSnapshot(*plain_);
    case Editor::Modular:
        return modularSnapshot(*modular_, forms_.vars());
    case Editor::None:
        break;
    }
    return BeltSnapshot();
}

void BeltHistory::restore(const BeltSnapshot& belt)
{
    restoring_ = true;
    if (editor_ == Editor::Plain)
        restorePlain(forms_, *plain_, belt);
    else if (editor_ == Editor::Modular)
        restoreModular(forms_, *modular_, belt);
    restoring_ = false;
    current_ = belt;
}

void BeltHistory::record()
{
    if (restoring_ || editor_ == Editor::None)
        return;
    BeltSnapshot now = take();
    if (now == current_)
        return;
    stack_.push(new BeltChange(*this, current_, now));
    current_ = std::move(now);
}

void BeltHistory::recordFor(Editor editor)
{
    if (editor == editor_)
        record();
}

void BeltHistory::undo()
{
    if (editor_ != Editor::None)
        stack_.undo();
}

void BeltHistory::redo()
{
    if (editor_ != Editor::None)
        stack_.redo();
}

// A bar dragged is one change, taken when it is let go.
void BeltHistory::watchBar(QScrollBar* bar, Editor editor)
{
    connect(bar, &QScrollBar::valueChanged, this, [this, bar, editor] {
        if (!bar->isSliderDown())
            recordFor(editor);
    });
    connect(bar, &QScrollBar::sliderReleased, this, [this, editor] { recordFor(editor); });
}

void BeltHistory::watch(PlainBeltEditor& woM)
{
    if (plain_ == &woM)
        return;
    plain_ = &woM;
    plainObject_ = &woM;
    watchBar(woM.HScroll_Bandlaenge, Editor::Plain);
    watchBar(woM.HScroll_Bandbreite, Editor::Plain);
    // A direction chosen unchecks the other button first.
    for (QRadioButton* option : {woM.Option_Rechts, woM.Option_Links})
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                recordFor(Editor::Plain);
        });
    for (QCheckBox* box : woM.Check_Optional)
        connect(box, &QCheckBox::toggled, this, [this] { recordFor(Editor::Plain); });
    connect(&woM, &QObject::destroyed, this, &BeltHistory::forget);
}

void BeltHistory::watch(ModularBeltEditor& wmM)
{
    if (modular_ == &wmM)
        return;
    modular_ = &wmM;
    modularObject_ = &wmM;
    // The pieces are recorded when the engine has placed them.
    watchBar(wmM.HScroll_Bandbreite, Editor::Modular);
    for (QCheckBox* box : wmM.Check_Optional)
        connect(box, &QCheckBox::toggled, this, [this] { recordFor(Editor::Modular); });
    connect(&wmM, &QObject::destroyed, this, &BeltHistory::forget);
}

// An editor goes with its main window (a language switch); a history of
// its belt has nothing left to restore.
void BeltHistory::forget(const QObject* editor)
{
    const bool inFront = (editor_ == Editor::Plain && editor == plainObject_) ||
                         (editor_ == Editor::Modular && editor == modularObject_);
    if (editor == plainObject_) {
        plain_ = nullptr;
        plainObject_ = nullptr;
    }
    if (editor == modularObject_) {
        modular_ = nullptr;
        modularObject_ = nullptr;
    }
    if (!inFront)
        return;
    editor_ = Editor::None;
    stack_.clear();
    current_ = BeltSnapshot();
}

void BeltHistory::offerCommands()
{
    MainWindow* main = forms_.loadedMain();
    if (!main)
        return;
    main->rueckgaengig->setEnabled(stack_.canUndo());
    main->wiederholen->setEnabled(stack_.canRedo());
}

} // namespace kx
