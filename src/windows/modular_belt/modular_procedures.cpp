#include "modular_procedures.h"

#include "set_if_changed.h"

#include "modular_code.h"
#include "modular_editor.h"
#include "slot_layout.h"
#include "type_codes.h"

#include "forms.h"
#include "image_control.h"
#include "keyed_toolbar.h"
#include "main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <optional>
#include <utility>

namespace kx::Funktionen {

namespace {
// Both editor timers end every tick with a rebuild of the code; a belt that
// has not changed since the last one gets the code already built.
const ModularCode& builtModularCode(TickCache& cache, const ModularCodeInput& input)
{
    if (!cache.lastBuild || cache.lastBuild->first != input)
        cache.lastBuild.emplace(input, buildModularCode(input));
    return cache.lastBuild->second;
}

void createBelt(Forms& forms, bool right)
{
    ModularBeltEditor& e = forms.window<ModularBeltEditor>();
    MainWindow& main = forms.main();
    Variablen& v = forms.vars();

    e.Hide();
    e.Show();
    forms.hideOtherMdiChildren(e);

    main.band_om->setChecked(false);
    (right ? main.band_links : main.band_rechts)->setChecked(false);
    (right ? main.band_rechts : main.band_links)->setChecked(true);

    // A left-running belt that the placement engine laid out goes back to
    // the table too.
    for (int k = 0; k < SlotCount; ++k) {
        e.setModuleSlotLeftTwips(k, moduleSlotLeft(right, k));
        e.setDriveSlotLeftTwips(k, driveSlotLeft(right, k));
    }

    main.speichern->setEnabled(false);

    setShownIfChanged(e.Toolbar_Rechts, right);
    setShownIfChanged(e.Toolbar_Links, !right);

    setShownIfChanged(e.Command_Bestellnummer, true);
    setCaptionIfChanged(e.Command_Bestellnummer, v.Copy_Caption);

    setShownIfChanged(e.Text_Bestellnummer, true);
    setTextIfChanged(e.Text_Bestellnummer, right ? QStringLiteral("KX40-xxx-R-xx-xx")
                                                            : QStringLiteral("KX40-xxx-L-xx-xx"));

    setShownIfChanged(e.Line_Bestell, true);
    setShownIfChanged(e.Label_Optional, true);

    // Check boxes beyond the features of the language file stay as they are.
    const int features = std::min<int>(v.Optional_Count_mM, int(e.Check_Optional.size()));
    for (int i = 0; i < features; ++i) {
        QCheckBox* box = e.Check_Optional[std::size_t(i)];
        box->setChecked(false);
        box->setEnabled(true);
        setShownIfChanged(box, true);
    }

    for (int k = 0; k < SlotCount; ++k) {
        setShownIfChanged(e.Image_Modul[std::size_t(k)], false);
        setShownIfChanged(e.Image_Antrieb[std::size_t(k)], false);
    }

    for (QWidget* control : std::initializer_list<QWidget*>{
             e.HScroll_Bandbreite, e.HScroll_Bandlaenge, e.Option_Links, e.Option_Rechts})
        setShownIfChanged(control, true);
    e.HScroll_Bandbreite->setEnabled(true);

    (right ? e.Option_Rechts : e.Option_Links)->setChecked(true);

    v.Selected_Module = 0;
    v.Selection_State = 0;
    v.Module_Count = 0;
    v.Has_End_Piece = false;
    v.Has_Begin_Piece = false;
    v.Belt_Closed = false;
    // No position: the next drive computation always draws the drive.
    v.Shown_Drive_Slot = 100;
    Forms::call(forms.procedures.beltSetUp);
}
} // namespace

void Create_Belt_mM_Right(Forms& forms)
{
    createBelt(forms, true);
}

void Create_Belt_mM_Left(Forms& forms)
{
    createBelt(forms, false);
}

namespace {
// Builds the code and remembers what it read and left.
void makeOrderCode(Forms& forms, ModularBeltEditor& e)
{
    MainWindow& main = forms.main();
    Variablen& v = forms.vars();

    ModularCodeInput input;
    input.widthText = e.Text_Bandbreite->text();
    input.rightChecked = main.band_rechts->isChecked();
    input.leftChecked = main.band_links->isChecked();
    input.pieces.reserve(std::size_t(SlotCount));
    for (int k = 0; k < v.Module_Count; ++k)
        input.pieces.push_back(v.Module_Type[k]);
    for (int i = 0; i < int(e.Check_Optional.size()); ++i)
        if (e.Check_Optional[std::size_t(i)]->isChecked())
            input.features.push_back(v.Optional_mM[i]);

    const ModularCode& built = builtModularCode(e.tickCache, input);
    v.Order_Code = built.code;
    if (built.storesLength)
        v.Belt_Length = built.length;
    v.Run_Count_G = built.runG;
    v.Run_Count_C = built.runC;
    v.Run_Count_V = built.runV;

    setTextIfChanged(e.Text_Bestellnummer, v.Order_Code);
    setShownIfChanged(e.Text_Bestellnummer, true);
    main.speichern->setEnabled(true);
    setCaptionIfChanged(e.Command_Bestellnummer, v.Copy_Caption);

    OrderCodeMemo& m = e.tickCache.orderCode;
    m.valid = true;
    m.controlChanges = e.controlChanges();
    m.menuChanges = main.menuChanges();
    m.pieces = std::move(input.pieces);
    for (int i = 0; i < FeatureCount; ++i)
        m.featureCodes[std::size_t(i)] = v.Optional_mM[i];
    m.copyCaption = v.Copy_Caption;
    m.buttonCaption = e.Command_Bestellnummer->text();
    m.orderCode = v.Order_Code;
    m.storesLength = built.storesLength;
    m.length = v.Belt_Length;
    m.runG = v.Run_Count_G;
    m.runC = v.Run_Count_C;
    m.runV = v.Run_Count_V;
}

// True when building the code again would read the same and change nothing.
bool sameAsMemo(const ModularBeltEditor& e, Forms& forms, const Variablen& v)
{
    const OrderCodeMemo& m = e.tickCache.orderCode;
    const MainWindow* main = forms.loadedMain();
    if (!m.valid || !main || m.controlChanges != e.controlChanges() ||
        m.menuChanges != main->menuChanges())
        return false;
    if (int(m.pieces.size()) != v.Module_Count)
        return false;
    for (int k = 0; k < v.Module_Count; ++k)
        if (m.pieces[std::size_t(k)] != v.Module_Type[k])
            return false;
    for (int i = 0; i < FeatureCount; ++i)
        if (m.featureCodes[std::size_t(i)] != v.Optional_mM[i])
            return false;
    return m.copyCaption == v.Copy_Caption && m.orderCode == v.Order_Code &&
           (!m.storesLength || m.length == v.Belt_Length) && m.runG == v.Run_Count_G &&
           m.runC == v.Run_Count_C && m.runV == v.Run_Count_V &&
           m.buttonCaption == e.Command_Bestellnummer->text();
}
} // namespace

void Make_Order_Code_mM(Forms& forms)
{
    makeOrderCode(forms, forms.window<ModularBeltEditor>());
}

void refreshOrderCode_mM(Forms& forms)
{
    ModularBeltEditor& e = forms.window<ModularBeltEditor>();
    if (!sameAsMemo(e, forms, forms.vars()))
        makeOrderCode(forms, e);
}

void Clear_Module_Marks(Forms& forms)
{
    ModularBeltEditor& e = forms.window<ModularBeltEditor>();
    for (int k = 0; k < SlotCount; ++k)
        if (!e.Image_Modul[std::size_t(k)]->isHidden())
            e.showPieceVariant(k, PlainPicture);
}

} // namespace kx::Funktionen
