#pragma once

#include "test_program.h"

#include <QList>
#include <QString>

#include <initializer_list>

namespace kx {

class MainWindow;
class ModularBeltEditor;
class KeyedToolbar;

// A started program with its timers held and wmM set up from the menu, driven
// through its real widgets.
class BeltDriver
{
public:
    explicit BeltDriver(bool right = true);

    BeltDocument& document() const { return program.document(); }
    const Wording& wording() const { return program.wording(); }
    int count() const { return int(document().belt().pieces.size()); }
    void setUp(bool right);

    // Clicks the button with this key on the toolbar shown, e.g. "AG-R" or "C".
    void press(const QString& key);
    void click(int slot);
    void doubleClick(int slot);
    void releaseDelete();
    // "c2" clicks slot 2, "d2" double-clicks it, "del" releases Delete.
    void mark(const QString& script);
    void tickModule();
    void tickDrive();
    // press + one Timer_Module tick for each key: "AG-R G G EV-R".
    void build(const QString& keys);

    // Loads a saved belt of these pieces, running the way the editor does.
    void load(std::initializer_list<int> types);

    // The pieces as "AG G*2 EV".
    QString row() const;
    // Indexes of the visible module (or drive) slots, as "0 1 2".
    QString shownSlots() const;
    QString shownDrives() const;
    // Left edges in twips of the module slots below Module_Count.
    QList<int> lefts() const;
    int widthTwips(int slot) const;
    // Which picture slot k shows: 0 plain, 1 grey, 2 red, -1 another.
    int variant(int slot) const;
    QString variants() const;
    // Numbers of the placement messages shown so far.
    QList<int> messages() const;
    QString code() const;
    QString lengthText() const;

    TestProgram program;
    MainWindow* main = nullptr;
    ModularBeltEditor* e = nullptr;

private:
    KeyedToolbar* shownToolbar() const;
};

} // namespace kx
