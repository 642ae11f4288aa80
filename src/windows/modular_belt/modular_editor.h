#pragma once

#include "belt_editor.h"
#include "tick_cache.h"

#include <array>

class QEvent;
class QKeyEvent;

namespace kx {

class ImageControl;
class KeyedToolbar;

// wmM: the editor of a belt with side modules. Its controls are the belt's
// model together with the shared row of pieces; its handlers only mark
// pieces and record requests, which the main window's timers carry out.
class ModularBeltEditor : public BeltEditor
{
    Q_OBJECT
public:
    explicit ModularBeltEditor(Forms& forms);
    static QString windowName() { return QStringLiteral("wmM"); }

    void Form_Load() override;
    void nameControls() override;

    KeyedToolbar* Toolbar_Rechts = nullptr;
    KeyedToolbar* Toolbar_Links = nullptr;
    std::array<ImageControl*, 14> Image_Modul{};
    std::array<ImageControl*, 14> Image_Antrieb{};

    // Slot k gets the plain picture of Module_Type(k) and is shown.
    void showPiece(int position);
    // Shows the piece as placing it does: on a left-running belt the slot
    // first moves flush against the piece before it, which stands to its
    // right. Keyed to the running direction rather than to the toolbar shown,
    // so that a loaded belt, which shows no toolbar, is laid out the same way.
    void placePiece(int position, bool leftRunning);
    // Slot k shows the picture of its piece in the given variant.
    void showPieceVariant(int position, int variant);
    int moduleSlotLeftTwips(int position) const;
    // A piece's words, as its toolbar button's tool tip says them.
    QString pieceWording(int type) const;
    // What a screen reader calls the piece at a position: "Module C, position 3".
    QString pieceAtPosition(int type, int position) const;
    void setModuleSlotLeftTwips(int position, int left);
    void setDriveSlotLeftTwips(int position, int left);

    // Counts the changes of what the ticks read off the window: a control
    // shown or hidden, a text box given another text, a feature ticked.
    quint64 controlChanges() const { return controlChanges_; }
    // What the ticks read here and left last time.
    TickCache tickCache;

    // Delete asks to remove the piece marked grey; no other key does anything.
    void Form_KeyUp(const QKeyEvent& key);

public slots:
    void Toolbar_Rechts_ButtonClick(const QString& key);
    void Toolbar_Links_ButtonClick(const QString& key);
    void Image_Modul_Click(int index);
    void Image_Modul_DblClick(int index);
    void Command_Bestellnummer_Click();
    void HScroll_Bandbreite_Change();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void orderTabs();
    // What a screen reader says of slot k: its piece, position and mark.
    void nameModuleSlot(int position, int variant);
    void recordRequest(const QString& key, bool rightToolbar);
    void watchKeys();

    quint64 controlChanges_ = 0;
};

} // namespace kx
