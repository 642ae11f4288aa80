#pragma once

#include "rules/slot_layout.h"
#include "windows/forms/belt_editor.h"

#include <array>

class QEvent;
class QKeyEvent;

namespace kx {

class ImageControl;
class KeyedToolbar;

// wmM: the editor of a belt with side modules. It shows the belt in front
// while that is a belt with side modules: the row of pieces with their
// marks, the drive, the length, width and features. Its toolbar buttons,
// clicks and the Delete key record requests and marks on the document,
// which the main window's timers carry out.
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
    std::array<ImageControl*, SlotCount> Image_Modul{};
    std::array<ImageControl*, SlotCount> Image_Antrieb{};

    int moduleSlotLeftTwips(int position) const;

    // Delete asks to remove the piece marked grey; no other key does anything.
    void Form_KeyUp(const QKeyEvent& key);

public slots:
    void Toolbar_Rechts_ButtonClick(const QString& key);
    void Toolbar_Links_ButtonClick(const QString& key);
    void Image_Modul_Click(int index);
    void Image_Modul_DblClick(int index);

protected:
    void setUpBelt() override;
    void showBelt() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void orderTabs();
    void showRow();
    void showMarks();
    void showDrive();
    // Slot k shows the picture of its piece in the variant its mark asks for.
    void showPieceVariant(int position, int variant);
    // What a screen reader says of slot k: its piece, position and mark.
    void nameModuleSlot(int position, int variant);
    void setModuleSlotLeftTwips(int position, int left);
    void setDriveSlotLeftTwips(int position, int left);
    void recordRequest(const QString& key, bool rightToolbar);
    void watchKeys();
};

} // namespace kx
