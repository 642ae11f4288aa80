#include "belt_snapshot.h"

#include "forms.h"
#include "image_control.h"
#include "main_window.h"
#include "modular_editor.h"
#include "placement.h"
#include "plain_editor.h"
#include "set_if_changed.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>

#include <tuple>

namespace kx {

namespace {
template <class Boxes> std::array<bool, FeatureCount> ticked(const Boxes& boxes)
{
    std::array<bool, FeatureCount> features{};
    for (std::size_t i = 0; i < features.size(); ++i)
        features[i] = boxes[i]->isChecked();
    return features;
}

template <class Boxes> void tick(Boxes& boxes, const std::array<bool, FeatureCount>& features)
{
    for (std::size_t i = 0; i < features.size(); ++i)
        boxes[i]->setChecked(features[i]);
}
} // namespace

bool BeltSnapshot::operator==(const BeltSnapshot& other) const
{
    const auto fields = [](const BeltSnapshot& s) {
        return std::tie(s.width, s.widthText, s.length, s.lengthText, s.right, s.features, s.pieces,
                        s.hasBeginPiece, s.hasEndPiece, s.beltClosed);
    };
    return fields(*this) == fields(other);
}

BeltSnapshot plainSnapshot(const PlainBeltEditor& woM)
{
    BeltSnapshot s;
    s.width = woM.HScroll_Bandbreite->value();
    s.widthText = woM.Text_Bandbreite->text();
    s.length = woM.HScroll_Bandlaenge->value();
    s.lengthText = woM.Text_Bandlaenge->text();
    s.right = woM.Option_Rechts->isChecked();
    s.features = ticked(woM.Check_Optional);
    return s;
}

BeltSnapshot modularSnapshot(const ModularBeltEditor& wmM, const Variablen& v)
{
    BeltSnapshot s;
    s.width = wmM.HScroll_Bandbreite->value();
    s.widthText = wmM.Text_Bandbreite->text();
    s.features = ticked(wmM.Check_Optional);
    for (int k = 0; k < v.Module_Count; ++k)
        s.pieces.push_back(v.Module_Type[k]);
    s.hasBeginPiece = v.Has_Begin_Piece;
    s.hasEndPiece = v.Has_End_Piece;
    s.beltClosed = v.Belt_Closed;
    return s;
}

void restorePlain(Forms& forms, PlainBeltEditor& woM, const BeltSnapshot& belt)
{
    // The bars' and buttons' own handlers put the texts and the picture on.
    woM.HScroll_Bandbreite->setValue(belt.width);
    woM.HScroll_Bandlaenge->setValue(belt.length);
    (belt.right ? woM.Option_Rechts : woM.Option_Links)->setChecked(true);
    setTextIfChanged(woM.Text_Bandbreite, belt.widthText);
    setTextIfChanged(woM.Text_Bandlaenge, belt.lengthText);
    tick(woM.Check_Optional, belt.features);
    forms.vars().Code_Refresh_oM = true;
}

void restoreModular(Forms& forms, ModularBeltEditor& wmM, const BeltSnapshot& belt)
{
    Variablen& v = forms.vars();
    wmM.HScroll_Bandbreite->setValue(belt.width);
    setTextIfChanged(wmM.Text_Bandbreite, belt.widthText);
    tick(wmM.Check_Optional, belt.features);

    // A request made on the belt taken back goes with it: a Delete waiting
    // with its mark cleared would otherwise be read as an append.
    v.Request_Pending = false;
    v.Selection_State = NothingMarked;
    const int count = int(belt.pieces.size());
    v.Module_Count = count;
    for (int k = 0; k < count; ++k)
        v.Module_Type[k] = belt.pieces[std::size_t(k)];
    v.Has_Begin_Piece = belt.hasBeginPiece;
    v.Has_End_Piece = belt.hasEndPiece;
    v.Belt_Closed = belt.beltClosed;

    // Every slot as the engine redraws a row: the pieces in order, plain.
    const bool leftRunning = forms.main().band_links->isChecked();
    for (int k = 0; k < SlotCount; ++k) {
        if (k < count)
            wmM.placePiece(k, leftRunning);
        else
            setShownIfChanged(wmM.Image_Modul[std::size_t(k)], false);
    }
    // The drive tick leaves the drive alone on an empty belt; a set-up
    // hides it.
    if (count == 0) {
        for (ImageControl* drive : wmM.Image_Antrieb)
            setShownIfChanged(drive, false);
        v.Shown_Drive_Slot = 100;
    }
    v.Code_Refresh_mM = true;
}

} // namespace kx
