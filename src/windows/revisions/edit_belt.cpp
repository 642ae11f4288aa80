#include "edit_belt.h"

#include "belt_snapshot.h"
#include "belt_timers.h"
#include "forms.h"
#include "keyed_toolbar.h"
#include "main_window.h"
#include "modular_editor.h"
#include "plain_editor.h"
#include "type_codes.h"

#include <QAction>
#include <QCheckBox>
#include <QScrollBar>

#include <array>

namespace kx {

namespace {
// The features the language file defines, ticked as on the loaded belt.
template <class Boxes>
void tickFeatures(Boxes& boxes, int count, const std::array<bool, FeatureCount>& features)
{
    for (int i = 0; i < count && i < FeatureCount; ++i)
        boxes[std::size_t(i)]->setChecked(features[std::size_t(i)]);
}

void editPlainBelt(Forms& forms, MainWindow& main)
{
    PlainBeltEditor& woM = forms.window<PlainBeltEditor>();
    const std::array<bool, FeatureCount> features = plainSnapshot(woM).features;
    // The New command keeps the bars and the direction, and clears the features.
    main.band_om_Click();
    // The texts follow the bars, as after a change of them, whatever way
    // the file wrote the numbers.
    woM.HScroll_Bandbreite_Change();
    woM.HScroll_Bandlaenge_Change();
    tickFeatures(woM.Check_Optional, forms.vars().Optional_Count_oM, features);
}

void editModularBelt(Forms& forms, MainWindow& main)
{
    ModularBeltEditor& wmM = forms.window<ModularBeltEditor>();
    // The loaded belt as the locked editor shows it.
    const BeltSnapshot belt = modularSnapshot(wmM, forms.vars());
    const bool right = main.band_rechts->isChecked();

    if (right)
        main.band_rechts_Click();
    else
        main.band_links_Click();
    wmM.HScroll_Bandbreite->setValue(belt.width);
    wmM.HScroll_Bandbreite_Change();
    // Each piece as its toolbar button asks for it, carried out (or refused,
    // with the engine's message) at once rather than on the next tick.
    KeyedToolbar* toolbar = right ? wmM.Toolbar_Rechts : wmM.Toolbar_Links;
    for (const int type : belt.pieces) {
        const TypeCode* piece = typeCode(type);
        QAction* button = piece ? toolbar->buttonByKey(QString::fromLatin1(piece->key)) : nullptr;
        if (!button)
            continue;
        button->trigger();
        moduleTimerTick(forms);
    }
    tickFeatures(wmM.Check_Optional, forms.vars().Optional_Count_mM, belt.features);
}
} // namespace

bool loadedBeltInFront(Forms& forms)
{
    const MainWindow* main = forms.loadedMain();
    if (!main)
        return false;
    if (main->band_om->isChecked()) {
        const PlainBeltEditor* woM = forms.loaded<PlainBeltEditor>();
        return woM && !woM->HScroll_Bandlaenge->isEnabled();
    }
    if (main->band_rechts->isChecked() || main->band_links->isChecked()) {
        const ModularBeltEditor* wmM = forms.loaded<ModularBeltEditor>();
        return wmM && wmM->Toolbar_Rechts->isHidden() && wmM->Toolbar_Links->isHidden();
    }
    return false;
}

void offerEditBelt(Forms& forms)
{
    if (MainWindow* main = forms.loadedMain())
        main->band_bearbeiten->setEnabled(loadedBeltInFront(forms));
}

void band_bearbeiten_Click(Forms& forms)
{
    if (!loadedBeltInFront(forms))
        return;
    MainWindow& main = forms.main();
    if (main.band_om->isChecked())
        editPlainBelt(forms, main);
    else
        editModularBelt(forms, main);
    // The belt put in is where its history starts.
    Forms::call(forms.procedures.beltSetUp);
}

} // namespace kx
