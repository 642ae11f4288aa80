#pragma once

#include "belt_snapshot.h"

#include <QObject>
#include <QUndoStack>

class QScrollBar;

namespace kx {

class Forms;
class ModularBeltEditor;
class PlainBeltEditor;

// Undo and redo of the belt in front. Each change of the belt that an
// editor accepts (a bar moved, a direction or feature chosen, a request
// carried out by the placement engine) is one command on the stack, which
// holds the belt before and after it. A set-up starts a fresh history; the
// editor going away (a language switch) ends it.
class BeltHistory : public QObject
{
    Q_OBJECT
public:
    explicit BeltHistory(Forms& forms);
    ~BeltHistory() override;

    // A set-up has put a fresh belt in front.
    void setUp();
    // Records the belt in front when it differs from the last state recorded.
    void record();
    void undo();
    void redo();

    const QUndoStack& stack() const { return stack_; }

private:
    friend class BeltChange;
    enum class Editor { None, Plain, Modular };

    BeltSnapshot take() const;
    void restore(const BeltSnapshot& belt);
    void watch(PlainBeltEditor& woM);
    void watch(ModularBeltEditor& wmM);
    void watchBar(QScrollBar* bar, Editor editor);
    void recordFor(Editor editor);
    void forget(const QObject* editor);
    void offerCommands();

    Forms& forms_;
    QUndoStack stack_;
    Editor editor_ = Editor::None;
    // The editors watched, and the same as objects, which is all that is
    // left of them when they go away.
    PlainBeltEditor* plain_ = nullptr;
    ModularBeltEditor* modular_ = nullptr;
    const QObject* plainObject_ = nullptr;
    const QObject* modularObject_ = nullptr;
    BeltSnapshot current_;
    bool restoring_ = false;
};

} // namespace kx
