#include "windows/modular_belt/modular_editor.h"

#include "document/belt_document.h"
#include "pictures/picture_store.h"
#include "pictures/program_icons.h"
#include "rules/placement.h"
#include "rules/type_codes.h"
#include "rules/wording.h"
#include "windows/forms/accessible_names.h"
#include "windows/forms/focus_ring.h"
#include "windows/forms/forms.h"
#include "windows/forms/image_control.h"
#include "windows/forms/keyed_toolbar.h"
#include "windows/forms/twips.h"

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace kx {

namespace {
QString indexed(const char* name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}
} // namespace

ModularBeltEditor::ModularBeltEditor(Forms& forms)
    : BeltEditor(forms, windowName(), BeltEditorLayout{1320, 6360, 5100, 5220}, BeltKind::Modular)
{
    setWindowTitle(QStringLiteral("Förderband,  mit Seitenmodulen"));
    resize(twipsSize(14595, 5745));
    // A click on a piece, which takes no focus itself, leaves the focus here
    // so that the Delete key reaches this window.
    setFocusPolicy(Qt::ClickFocus);
    buildControls();
    orderTabs();
    watchKeys();

    BeltDocument& doc = document();
    connect(&doc, &BeltDocument::marksChanged, this, [this] {
        if (showsDocument())
            showMarks();
    });
    connect(&doc, &BeltDocument::driveChanged, this, [this] {
        if (showsDocument())
            showDrive();
    });
    // Named now too, in case the text pass that names it again fails.
    nameControls();
}

void ModularBeltEditor::Form_Load()
{
    // The frame is part of the window too; it exists once the registry has
    // put the window into the main window.
    if (QWidget* frame = mdiFrame())
        frame->installEventFilter(this);
    BeltEditor::Form_Load();
}

void ModularBeltEditor::buildControls()
{
    Toolbar_Rechts = new KeyedToolbar(QStringLiteral("Toolbar_Rechts"), this);
    Toolbar_Links = new KeyedToolbar(QStringLiteral("Toolbar_Links"), this);
    Toolbar_Rechts->setGeometry(twipsRect(0, 0, 14595, 420));
    Toolbar_Links->setGeometry(twipsRect(0, 420, 14595, 420));
    // Each toolbar lists the pieces as they stand on the belt as drawn.
    const char* const rightKeys[] = {"AG-R", "AC-R",  nullptr, "G",   "C",
                                     "V",    nullptr, "EG-R",  "EV-R"};
    const char* const leftKeys[] = {"EG-L", "EV-L",  nullptr, "G",   "C",
                                    "V",    nullptr, "AG-L",  "AC-L"};
    for (bool right : {true, false}) {
        KeyedToolbar* toolbar = right ? Toolbar_Rechts : Toolbar_Links;
        int piece = 0;
        for (const char* key : right ? rightKeys : leftKeys) {
            if (!key) {
                toolbar->addSeparatorButton();
                continue;
            }
            toolbar->addButton(QString::fromLatin1(key), toolbarIcon(right, piece++),
                               right ? QStringLiteral("xxx") : QString());
        }
    }
    connect(Toolbar_Rechts, &KeyedToolbar::ButtonClick, this,
            &ModularBeltEditor::Toolbar_Rechts_ButtonClick);
    connect(Toolbar_Links, &KeyedToolbar::ButtonClick, this,
            &ModularBeltEditor::Toolbar_Links_ButtonClick);

    const ModulePictureStore& pictures = forms().modulePictures();
    const Drawing drive = ModulePictureStore::driveDrawing();
    for (int k = 0; k < SlotCount; ++k) {
        auto* module = new ImageControl(indexed("Image_Modul", k), this);
        module->move(twipsPoint(moduleSlotLeft(true, k), ModuleSlotTop));
        module->hide();
        // Reached with Tab, not taken by a click: a click leaves the focus
        // with the window, as the mouse user expects no frame.
        module->setFocusPolicy(Qt::TabFocus);
        focusRing()->watch(module);
        connect(module, &ImageControl::Click, this, [this, k] { Image_Modul_Click(k); });
        connect(module, &ImageControl::DblClick, this, [this, k] { Image_Modul_DblClick(k); });
        Image_Modul[std::size_t(k)] = module;

        auto* driveSlot = new ImageControl(indexed("Image_Antrieb", k), this);
        driveSlot->setPictureLater(
            drive.size(), [&pictures]() -> QPixmap { return pictures.Picture_Antrieb(); }, drive);
        driveSlot->move(twipsPoint(driveSlotLeft(true, k), DriveSlotTop));
        driveSlot->hide();
        Image_Antrieb[std::size_t(k)] = driveSlot;
    }

    // The length follows the pieces; the direction is the set-up's.
    HScroll_Bandlaenge->setEnabled(false);
    Option_Rechts->setEnabled(false);
    Option_Links->setEnabled(false);
}

// The order of the controls from the top: the toolbars, the pieces in belt
// order, length, direction, width, features, then the order-code row.
void ModularBeltEditor::orderTabs()
{
    QList<QWidget*> order;
    for (KeyedToolbar* toolbar : {Toolbar_Rechts, Toolbar_Links})
        for (int i = 1; i <= toolbar->buttonCount(); ++i)
            if (QWidget* button = toolbar->widgetForAction(toolbar->button(i));
                button && !toolbar->button(i)->isSeparator())
                order.append(button);
    for (ImageControl* slot : Image_Modul)
        order << slot;
    order << HScroll_Bandlaenge << Option_Rechts << Option_Links << HScroll_Bandbreite
          << Text_Bandbreite;
    for (QCheckBox* box : Check_Optional)
        order << box;
    order << Command_Bestellnummer << Text_Bestellnummer;
    setTabChain(order);
}

void ModularBeltEditor::nameControls()
{
    BeltEditor::nameControls();
    const Wording& w = forms().wording();
    for (int k = 0; k < SlotCount; ++k)
        setAccessibleNameIfChanged(Image_Antrieb[std::size_t(k)],
                                   w.access[AccessDrive] + QStringLiteral(", ") +
                                       w.access[AccessPosition] + QLatin1Char(' ') +
                                       QString::number(k + 1));
}

void ModularBeltEditor::setUpBelt()
{
    const BeltDocument& doc = document();
    const Belt& belt = doc.belt();
    const bool right = belt.rightRunning;
    const bool locked = doc.locked();

    // A left-running belt that was laid out flush goes back to the table too.
    for (int k = 0; k < SlotCount; ++k) {
        setModuleSlotLeftTwips(k, moduleSlotLeft(right, k));
        setDriveSlotLeftTwips(k, driveSlotLeft(right, k));
    }
    // A loaded belt shows no toolbar: it is locked.
    setShownIfChanged(Toolbar_Rechts, right && !locked);
    setShownIfChanged(Toolbar_Links, !right && !locked);
    showOrderCodeRow();
    setShownIfChanged(Line_Bestell, true);
    setShownIfChanged(Label_Optional, true);
    showFeatures(true);
    for (int k = 0; k < SlotCount; ++k) {
        setShownIfChanged(Image_Modul[std::size_t(k)], false);
        setShownIfChanged(Image_Antrieb[std::size_t(k)], false);
    }
    for (QWidget* control : std::initializer_list<QWidget*>{HScroll_Bandbreite, HScroll_Bandlaenge,
                                                            Option_Links, Option_Rechts})
        setShownIfChanged(control, true);
    HScroll_Bandbreite->setEnabled(!locked);
    setValueBoxesTakeInput(false, !locked);
    explainLock({HScroll_Bandbreite, Text_Bandbreite});
    (right ? Option_Rechts : Option_Links)->setChecked(true);
    // A loaded belt shows its length at once; a new one at the drive's tick.
    if (locked)
        setTextIfChanged(Text_Bandlaenge, QString::number(doc.shownLength()));
    showBelt();
}

void ModularBeltEditor::showBelt()
{
    HScroll_Bandbreite->setValue(document().belt().width);
    showWidth();
    showFeatures(false);
    showRow();
}

// Every slot: the pieces in order, each on a left-running belt flush
// against the piece before it, which stands to its right; the rest hidden.
void ModularBeltEditor::showRow()
{
    const BeltDocument& doc = document();
    const std::vector<int>& pieces = doc.belt().pieces;
    const bool leftRunning = !doc.belt().rightRunning;
    for (int k = 0; k < SlotCount; ++k) {
        ImageControl* slot = Image_Modul[std::size_t(k)];
        if (k >= int(pieces.size())) {
            setShownIfChanged(slot, false);
            continue;
        }
        if (leftRunning && k > 0)
            setModuleSlotLeftTwips(k,
                                   flushLeftOf(moduleSlotLeftTwips(k - 1), pieces[std::size_t(k)]));
        showPieceVariant(k, doc.pictureVariant(k));
        setShownIfChanged(slot, true);
    }
    // A closed belt has its order-code row, whatever hid it.
    if (doc.belt().closed()) {
        setShownIfChanged(Line_Bestell, true);
        setShownIfChanged(Command_Bestellnummer, true);
        Command_Bestellnummer->setEnabled(true);
    }
}

void ModularBeltEditor::showMarks()
{
    const BeltDocument& doc = document();
    const int count = std::min(int(doc.belt().pieces.size()), SlotCount);
    for (int k = 0; k < count; ++k)
        showPieceVariant(k, doc.pictureVariant(k));
}

void ModularBeltEditor::showDrive()
{
    const BeltDocument& doc = document();
    setTextIfChanged(Text_Bandlaenge, QString::number(doc.shownLength()));
    const std::optional<int> drive = doc.drivePosition();
    for (int k = 0; k < SlotCount; ++k)
        setShownIfChanged(Image_Antrieb[std::size_t(k)], drive == k);
}

void ModularBeltEditor::showPieceVariant(int position, int variant)
{
    const int type = document().belt().pieces.at(std::size_t(position));
    Image_Modul.at(std::size_t(position))
        ->setPicture(forms().modulePictures().Picture_M(type + variant),
                     ModulePictureStore::drawing(type + variant));
    nameModuleSlot(position, variant);
}

void ModularBeltEditor::nameModuleSlot(int position, int variant)
{
    const Wording& w = forms().wording();
    ImageControl* slot = Image_Modul.at(std::size_t(position));
    const QString name = w.pieceAt(document().belt().pieces.at(std::size_t(position)), position);
    setAccessibleNameIfChanged(slot, name);
    // What a screen reader says of the piece, the pointer shows.
    if (slot->toolTip() != name)
        slot->setToolTip(name);
    const QString mark = variant == GreyPicture  ? w.access[AccessMarked]
                         : variant == RedPicture ? w.access[AccessMarkedToReplace]
                                                 : QString();
    setAccessibleDescriptionIfChanged(slot, mark);
}

void ModularBeltEditor::watchKeys()
{
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

bool ModularBeltEditor::eventFilter(QObject*, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (QObject* child = static_cast<QChildEvent*>(event)->child(); child->isWidgetType())
            child->installEventFilter(this);
        break;
    case QEvent::KeyRelease:
        // The window sees the key before the control that has the focus,
        // which still gets it. On its way up to the window the key passes
        // here again; the second time there is nothing left to do.
        Form_KeyUp(*static_cast<QKeyEvent*>(event));
        break;
    default:
        break;
    }
    return false;
}

int ModularBeltEditor::moduleSlotLeftTwips(int position) const
{
    return toTwips(Image_Modul.at(std::size_t(position))->x());
}

void ModularBeltEditor::setModuleSlotLeftTwips(int position, int left)
{
    ImageControl* slot = Image_Modul.at(std::size_t(position));
    const QPoint to(twips(left), twips(ModuleSlotTop));
    if (slot->pos() != to)
        slot->move(to);
}

void ModularBeltEditor::setDriveSlotLeftTwips(int position, int left)
{
    ImageControl* slot = Image_Antrieb.at(std::size_t(position));
    const QPoint to(twips(left), twips(DriveSlotTop));
    if (slot->pos() != to)
        slot->move(to);
}

void ModularBeltEditor::Toolbar_Rechts_ButtonClick(const QString& key)
{
    recordRequest(key, true);
}

void ModularBeltEditor::Toolbar_Links_ButtonClick(const QString& key)
{
    recordRequest(key, false);
}

void ModularBeltEditor::recordRequest(const QString& key, bool rightToolbar)
{
    if (const std::optional<ToolbarRequest> request = toolbarRequest(key, rightToolbar))
        document().requestPiece(request->type, request->kind);
}

void ModularBeltEditor::Image_Modul_Click(int index)
{
    if (showsDocument())
        document().click(index);
}

void ModularBeltEditor::Image_Modul_DblClick(int index)
{
    if (showsDocument())
        document().doubleClick(index);
}

void ModularBeltEditor::Form_KeyUp(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Delete && !key.isAutoRepeat() && showsDocument())
        document().requestRemoval();
}

} // namespace kx
