#include "belt_timers.h"

#include "drive.h"
#include "modular_editor.h"
#include "placement.h"
#include "set_if_changed.h"
#include "type_codes.h"

#include "forms.h"
#include "image_control.h"
#include "main_window.h"
#include "message_box.h"

#include <QAction>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

namespace kx {

namespace {
// Which editor is current is the check mark, not which window is in front.
bool modularBeltOpen(const MainWindow* main)
{
    return main && (main->band_rechts->isChecked() || main->band_links->isChecked());
}

BeltRow rowOf(const Variablen& v)
{
    BeltRow row;
    row.Module_Count = v.Module_Count;
    for (int k = 0; k < SlotCount; ++k)
        row.Module_Type[std::size_t(k)] = v.Module_Type[k];
    row.Has_Begin_Piece = v.Has_Begin_Piece;
    row.Has_End_Piece = v.Has_End_Piece;
    row.Belt_Closed = v.Belt_Closed;
    return row;
}

void storeRow(Variablen& v, const BeltRow& row)
{
    v.Module_Count = row.Module_Count;
    for (int k = 0; k < SlotCount; ++k)
        v.Module_Type[k] = row.Module_Type[std::size_t(k)];
    v.Has_Begin_Piece = row.Has_Begin_Piece;
    v.Has_End_Piece = row.Has_End_Piece;
    v.Belt_Closed = row.Belt_Closed;
}

// Every slot of the old or new row: the pieces shown in order, the rest hidden.
void redrawRow(ModularBeltEditor& e, const Variablen& v, bool leftRunning, int oldCount)
{
    const int count = v.Module_Count;
    const int touched = std::min(std::max(count, oldCount), SlotCount);
    for (int k = 0; k < touched; ++k) {
        if (k < count)
            e.placePiece(k, leftRunning);
        else
            setShownIfChanged(e.Image_Modul[std::size_t(k)], false);
    }
}

void applySlots(ModularBeltEditor& e, const Variablen& v, bool leftRunning, const Placement& p)
{
    switch (p.slotWork) {
    case SlotWork::None:
        break;
    case SlotWork::PlaceOne:
        e.placePiece(p.slot, leftRunning);
        break;
    case SlotWork::ShowOne:
        e.showPiece(p.slot);
        break;
    case SlotWork::HideOne:
        setShownIfChanged(e.Image_Modul.at(std::size_t(p.slot)), false);
        break;
    case SlotWork::RedrawRow:
        redrawRow(e, v, leftRunning, p.oldCount);
        break;
    }
}
} // namespace

bool moduleTimerTick(Forms& forms)
{
    Variablen& v = forms.vars();
    // The flag first: it is one variable, the check marks are in the menus.
    if (!v.Request_Pending)
        return true;
    const MainWindow* main = forms.loadedMain();
    if (!modularBeltOpen(main))
        return true;
    v.Request_Pending = false;

    const bool leftRunning = main->band_links->isChecked();
    ModularBeltEditor& e = forms.window<ModularBeltEditor>();
    const Placement p =
        placeRequest(rowOf(v), v.Selection_State,
                     PieceRequest{v.Pending_Type, v.Pending_Kind, v.Selected_Module});

    if (p.message != 0) {
        const int marked = v.Selected_Module;
        if (p.markVariant >= 0)
            e.showPieceVariant(marked, p.markVariant);
        // The box holds the tick while the other timers go on; a language
        // switch among them may replace wmM.
        QPointer<ModularBeltEditor> editor(&e);
        forms.messageBox().show(&e, v.Message_Texts[p.message], v.Message_Texts[0], QString());
        v.Selection_State = NothingMarked;
        // An end piece left grey for its message would look marked when
        // nothing is.
        if (p.markVariant == GreyPicture && editor && marked < v.Module_Count)
            editor->showPieceVariant(marked, PlainPicture);
        return false;
    }

    storeRow(v, p.row);
    applySlots(e, v, leftRunning, p);
    if (p.closesBelt) {
        setShownIfChanged(e.Line_Bestell, true);
        setShownIfChanged(e.Command_Bestellnummer, true);
        e.Command_Bestellnummer->setEnabled(true);
    }
    v.Selection_State = NothingMarked;
    Forms::call(forms.procedures.beltChanged);
    return p.refresh;
}

namespace {
bool sameAsMemo(const DriveTickMemo& m, const ModularBeltEditor& e, const Variablen& v)
{
    if (!m.valid || m.controlChanges != e.controlChanges() || m.count != v.Module_Count ||
        m.beginPiece != v.Has_Begin_Piece || m.endPiece != v.Has_End_Piece ||
        m.driveSlot != v.Drive_Slot || m.shownDriveSlot != v.Shown_Drive_Slot ||
        m.length != v.Belt_Length)
        return false;
    for (int k = 0; k < int(m.types.size()); ++k)
        if (m.types[std::size_t(k)] != v.Module_Type[v.Module_Type.lower + k])
            return false;
    return true;
}

void remember(DriveTickMemo& m, const ModularBeltEditor& e, const Variablen& v)
{
    m.valid = true;
    // Taken after the work: the tick's own changes are part of what it left.
    m.controlChanges = e.controlChanges();
    m.count = v.Module_Count;
    m.beginPiece = v.Has_Begin_Piece;
    m.endPiece = v.Has_End_Piece;
    m.driveSlot = v.Drive_Slot;
    m.shownDriveSlot = v.Shown_Drive_Slot;
    m.length = v.Belt_Length;
    for (int k = 0; k < int(m.types.size()); ++k)
        m.types[std::size_t(k)] = v.Module_Type[v.Module_Type.lower + k];
}

void driveWork(Variablen& v, ModularBeltEditor& e)
{
    v.Belt_Length = beltLength(v.Has_Begin_Piece, v.Has_End_Piece, v.Module_Count);
    setTextIfChanged(e.Text_Bandlaenge, QString::number(qint64(v.Belt_Length)));

    std::array<bool, SlotCount> shown{};
    std::array<int, SlotCount> types{};
    for (int k = 0; k < SlotCount; ++k) {
        shown[std::size_t(k)] = !e.Image_Modul[std::size_t(k)]->isHidden();
        types[std::size_t(k)] = v.Module_Type[k];
    }
    const std::optional<int> drive = drivePosition(shown, types, v.Module_Count);
    if (!drive)
        return;
    v.Drive_Slot = *drive;
    if (v.Drive_Slot == v.Shown_Drive_Slot)
        return;
    for (ImageControl* slot : e.Image_Antrieb)
        setShownIfChanged(slot, false);
    setShownIfChanged(e.Image_Antrieb.at(std::size_t(*drive)), true);
    v.Shown_Drive_Slot = v.Drive_Slot;
}
} // namespace

void driveTimerTick(Forms& forms)
{
    const MainWindow* main = forms.loadedMain();
    if (!modularBeltOpen(main))
        return;
    Variablen& v = forms.vars();
    ModularBeltEditor& e = forms.window<ModularBeltEditor>();
    // The tick depends on nothing but the variables and the window's slots
    // and length box: with none of them changed it would change nothing.
    if (sameAsMemo(e.tickCache.drive, e, v))
        return;
    driveWork(v, e);
    remember(e.tickCache.drive, e, v);
}

} // namespace kx
