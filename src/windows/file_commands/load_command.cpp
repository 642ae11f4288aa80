#include "load_command.h"

#include "common_dialog.h"
#include "config_file.h"
#include "file_command.h"
#include "forms.h"
#include "image_control.h"
#include "main_window.h"
#include "keyed_toolbar.h"
#include "modular_editor.h"
#include "modular_procedures.h"
#include "plain_editor.h"
#include "recent_belts.h"
#include "run_error.h"
#include "save_command.h"
#include "user_folders.h"

#include "picture_store.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <functional>

namespace kx {

namespace {

template <class Boxes, class Codes>
void markFeatures(Boxes& boxes, int count, const Codes& codes, const OrderCodeFields& fields)
{
    for (int i = 0; i < count; ++i)
        boxes[std::size_t(i)]->setChecked(featureChosen(fields, codes[i]));
}

template <class Boxes>
void showLockedFeatures(Boxes& boxes, int count)
{
    for (int i = 0; i < count; ++i)
        boxes[std::size_t(i)]->show();
    for (int i = 0; i < count; ++i)
        boxes[std::size_t(i)]->setEnabled(false);
}

void showPlainBelt(Forms& forms, const LoadedBelt& belt)
{
    Variablen& v = forms.vars();
    MainWindow& main = forms.main();
    PlainBeltEditor& woM = forms.window<PlainBeltEditor>();
    const OrderCodeFields& f = belt.fields;

    (belt.rightRunning ? woM.Option_Rechts : woM.Option_Links)->setChecked(true);
    woM.Label_Bandbreite->show();
    woM.HScroll_Bandbreite->setValue(belt.width);
    woM.Text_Bandbreite->setText(f.width);
    woM.Label_Bandlaenge->show();
    woM.HScroll_Bandlaenge->setValue(belt.length);
    woM.Text_Bandlaenge->setText(f.length);
    if (BeltPictureStore::hasBeltPicture(belt.length))
        woM.showBeltPicture(belt.length, QLatin1Char(belt.rightRunning ? 'R' : 'L'));
    markFeatures(woM.Check_Optional, v.Optional_Count_oM, v.Optional_oM, f);

    forms.hideOtherMdiChildren(woM);
    woM.Show();
    main.speichern->setEnabled(true);
    for (QWidget* control : std::initializer_list<QWidget*>{
             woM.Option_Rechts, woM.Option_Links, woM.HScroll_Bandbreite, woM.HScroll_Bandlaenge})
        control->setEnabled(false);
    woM.Command_Bestellnummer->setText(v.Copy_Caption);
    woM.Text_Bestellnummer->show();
    woM.Text_Bestellnummer->setText(belt.orderCode);
    main.band_om->setChecked(true);
    main.band_rechts->setChecked(false);
    main.band_links->setChecked(false);
    showLockedFeatures(woM.Check_Optional, v.Optional_Count_oM);
}

// Puts each piece in the next slot, as the toolbar and the placement engine
// would have.
void placePieces(Forms& forms, ModularBeltEditor& wmM, const LoadedBelt& belt)
{
    Variablen& v = forms.vars();
    for (const int code : belt.pieces) {
        const int slot = v.Module_Count;
        v.Module_Type[slot] = code;
        wmM.placePiece(slot, !belt.rightRunning);
        v.Module_Count += 1;
    }
    v.Has_Begin_Piece = belt.hasBeginPiece;
    v.Has_End_Piece = belt.hasEndPiece;
    v.Belt_Closed = belt.hasEndPiece;
}

void showModularBelt(Forms& forms, const LoadedBelt& belt)
{
    Variablen& v = forms.vars();
    MainWindow& main = forms.main();
    ModularBeltEditor& wmM = forms.window<ModularBeltEditor>();
    const OrderCodeFields& f = belt.fields;

    (belt.rightRunning ? wmM.Option_Rechts : wmM.Option_Links)->setChecked(true);
    wmM.Label_Bandbreite->show();
    wmM.HScroll_Bandbreite->setValue(belt.width);
    wmM.Text_Bandbreite->setText(f.width);
    wmM.Label_Bandlaenge->show();
    wmM.HScroll_Bandlaenge->setValue(belt.length);
    wmM.Text_Bandlaenge->setText(f.length);
    // The set-up hides the other windows, lays out and empties the slots.
    if (belt.rightRunning)
        Funktionen::Create_Belt_mM_Right(forms);
    else
        Funktionen::Create_Belt_mM_Left(forms);
    placePieces(forms, wmM, belt);
    markFeatures(wmM.Check_Optional, v.Optional_Count_mM, v.Optional_mM, f);

    wmM.Label_Optional->show();
    showLockedFeatures(wmM.Check_Optional, v.Optional_Count_mM);
    wmM.Line_Bestell->show();
    wmM.Command_Bestellnummer->setText(v.Copy_Caption);
    wmM.Command_Bestellnummer->show();
    wmM.Toolbar_Rechts->hide();
    wmM.Toolbar_Links->hide();
    for (QWidget* control : std::initializer_list<QWidget*>{
             wmM.Option_Rechts, wmM.Option_Links, wmM.HScroll_Bandbreite, wmM.HScroll_Bandlaenge})
        control->setEnabled(false);
    main.band_om->setChecked(false);
    main.band_rechts->setChecked(belt.rightRunning);
    main.band_links->setChecked(!belt.rightRunning);
    main.speichern->setEnabled(true);
    wmM.Text_Bestellnummer->setText(belt.orderCode);
    wmM.Text_Bestellnummer->show();
}

} // namespace

void showLoadedBelt(Forms& forms, const LoadedBelt& belt)
{
    if (belt.kind == BeltKind::Plain)
        showPlainBelt(forms, belt);
    else
        showModularBelt(forms, belt);
    Forms::call(forms.procedures.beltSetUp);
}

namespace {
const char* const LoadProcedure = "laden_Click()";
} // namespace

void laden_Click(Forms& forms)
{
    Variablen& v = forms.vars();
    v.Proc_Name = QString::fromLatin1(LoadProcedure);
    QString path;
    try {
        QDir::setCurrent(forms.programFolder());
        v.Config_File_Name.clear();
        path = chooseFile(forms, FileDialogKind::Open, forms.main().laden->text(), ConfigFileFilter);
    } catch (const RunError& error) {
        fileCommandFailed(forms, LoadProcedure, error, QString());
        return;
    }
    if (!path.isEmpty())
        loadBeltFile(forms, path);
}

namespace {
// A load once its source is chosen: the belt read and checked whole, then
// shown; a failure's box names the procedure and what failed.
bool loadBelt(Forms& forms, const char* procedure, const QString& subject,
              const std::function<LoadedBelt()>& read)
{
    Variablen& v = forms.vars();
    v.Proc_Name = QString::fromLatin1(procedure);
    try {
        const LoadedBelt belt = read();
        v.Config_Line = belt.line;
        showLoadedBelt(forms, belt);
        return true;
    } catch (const RunError& error) {
        fileCommandFailed(forms, procedure, error, subject);
        return false;
    }
}
} // namespace

bool loadBeltFile(Forms& forms, const QString& path)
{
    forms.vars().Config_File_Name = path;
    if (!loadBelt(forms, LoadProcedure, QFileInfo(path).fileName(),
                  [&path] { return readBeltFile(path); }))
        return false;
    rememberBeltFolder(path);
    rememberRecentBelt(path);
    return true;
}

bool loadOrderCode(Forms& forms, const char* procedure, const QString& text)
{
    // A long paste is named by its start.
    const QString code = orderCodeText(text);
    const QString subject = code.size() <= 32 ? code : code.left(31) + QChar(0x2026);
    return loadBelt(forms, procedure, subject, [&text] { return readOrderCode(text); });
}

} // namespace kx
