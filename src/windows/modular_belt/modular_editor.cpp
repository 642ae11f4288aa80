#include "modular_editor.h"

#include "placement.h"

#include "set_if_changed.h"

#include "modular_procedures.h"
#include "slot_layout.h"
#include "type_codes.h"

#include "accessible_names.h"
#include "focus_ring.h"
#include "forms.h"
#include "image_control.h"
#include "keyed_toolbar.h"
#include "twips.h"

#include "picture_store.h"
#include "program_icons.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace kx {

namespace {
// "<words>, position <n>", counted from 1 as a person counts.
QString atPosition(const Variablen& v, const QString& words, int position)
{
    return words + QStringLiteral(", ") + v.Access_Texts(AccessPosition) + QLatin1Char(' ') +
           QString::number(position + 1);
}

QString indexed(const char* name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}
} // namespace

ModularBeltEditor::ModularBeltEditor(Forms& forms)
    : BeltEditor(forms, windowName(), BeltEditorLayout{1320, 6360, 5100, 5220})
{
    setWindowTitle(QStringLiteral("Förderband,  mit Seitenmodulen"));
    resize(twipsSize(14595, 5745));
    // A click on a piece, which takes no focus itself, leaves the focus here
    // so that the Delete key reaches this window.
    setFocusPolicy(Qt::ClickFocus);
    buildControls();
    orderTabs();
    watchKeys();
    const auto changed = [this] { ++controlChanges_; };
    for (QLineEdit* box : {Text_Bandlaenge, Text_Bandbreite, Text_Bestellnummer})
        connect(box, &QLineEdit::textChanged, this, changed);
    for (QCheckBox* feature : Check_Optional)
        connect(feature, &QCheckBox::toggled, this, changed);
    // Named now too, in case the text pass that names it again fails.
    nameControls();
}

void ModularBeltEditor::Form_Load()
{
    // The frame is part of the window too; it exists once the registry has
    // put the window into the main window.
    if (QWidget* frame = mdiFrame())
        frame->installEventFilter(this);
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

    const QPixmap& drive = forms().wImages1().Picture_Antrieb();
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
        driveSlot->setPicture(drive, ModulePictureStore::driveDrawing());
        driveSlot->move(twipsPoint(driveSlotLeft(true, k), DriveSlotTop));
        driveSlot->hide();
        Image_Antrieb[std::size_t(k)] = driveSlot;
    }

    // The length follows the pieces; the direction is the editor's.
    HScroll_Bandlaenge->setEnabled(false);
    Option_Rechts->setEnabled(false);
    Option_Links->setEnabled(false);
    connect(HScroll_Bandbreite, &QScrollBar::valueChanged, this,
            &ModularBeltEditor::HScroll_Bandbreite_Change);
    connect(Command_Bestellnummer, &QPushButton::clicked, this,
            &ModularBeltEditor::Command_Bestellnummer_Click);
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
    order << HScroll_Bandlaenge << Option_Rechts << Option_Links << HScroll_Bandbreite;
    for (QCheckBox* box : Check_Optional)
        order << box;
    order << Command_Bestellnummer << Text_Bestellnummer;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void ModularBeltEditor::nameControls()
{
    BeltEditor::nameControls();
    const Variablen& v = vars();
    for (int k = 0; k < SlotCount; ++k)
        setAccessibleNameIfChanged(Image_Antrieb[std::size_t(k)],
                                   atPosition(v, v.Access_Texts(AccessDrive), k));
}

QString ModularBeltEditor::pieceAtPosition(int type, int position) const
{
    return atPosition(vars(), pieceWording(type), position);
}

QString ModularBeltEditor::pieceWording(int type) const
{
    const TypeCode* piece = typeCode(type);
    if (!piece)
        return QString();
    // The tool tip of the button that places the piece, else its letters.
    KeyedToolbar* toolbar = piece->running == Running::Left ? Toolbar_Links : Toolbar_Rechts;
    if (QAction* button = toolbar->buttonByKey(QString::fromLatin1(piece->key)))
        if (!button->toolTip().trimmed().isEmpty())
            return button->toolTip();
    return QString::fromLatin1(piece->family);
}

void ModularBeltEditor::nameModuleSlot(int position, int variant)
{
    const Variablen& v = vars();
    ImageControl* slot = Image_Modul.at(std::size_t(position));
    const QString name = pieceAtPosition(v.Module_Type[position], position);
    setAccessibleNameIfChanged(slot, name);
    // What a screen reader says of the piece, the pointer shows.
    if (slot->toolTip() != name)
        slot->setToolTip(name);
    const QString mark = variant == GreyPicture  ? v.Access_Texts(AccessMarked)
                         : variant == RedPicture ? v.Access_Texts(AccessMarkedToReplace)
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
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        ++controlChanges_;
        break;
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

void ModularBeltEditor::showPiece(int position)
{
    showPieceVariant(position, PlainPicture);
    setShownIfChanged(Image_Modul.at(std::size_t(position)), true);
}

void ModularBeltEditor::placePiece(int position, bool leftRunning)
{
    if (leftRunning && position > 0)
        setModuleSlotLeftTwips(position, flushLeftOf(moduleSlotLeftTwips(position - 1),
                                                     vars().Module_Type[position]));
    showPiece(position);
}

void ModularBeltEditor::showPieceVariant(int position, int variant)
{
    const int type = vars().Module_Type[position];
    Image_Modul.at(std::size_t(position))
        ->setPicture(forms().wImages1().Picture_M(type + variant),
                     ModulePictureStore::drawing(type + variant));
    nameModuleSlot(position, variant);
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
    const std::optional<ToolbarRequest> request = toolbarRequest(key, rightToolbar);
    if (!request)
        return;
    // Not queued: a second button before the engine's tick overwrites the first.
    Variablen& v = vars();
    v.Pending_Type = request->type;
    v.Request_Pending = true;
    if (request->kind == PieceKind::Begin)
        v.Has_Begin_Piece = true;
    v.Pending_Kind = int(request->kind);
}

void ModularBeltEditor::Image_Modul_Click(int index)
{
    Variablen& v = vars();
    v.Selected_Module = index;
    Funktionen::Clear_Module_Marks(forms());
    // A click while a piece is grey takes every mark away and marks nothing.
    if (v.Selection_State == 1) {
        v.Selection_State = 0;
        showPieceVariant(v.Selected_Module, PlainPicture);
    } else {
        v.Selection_State = 1;
        showPieceVariant(v.Selected_Module, GreyPicture);
    }
}

void ModularBeltEditor::Image_Modul_DblClick(int index)
{
    Variablen& v = vars();
    Funktionen::Clear_Module_Marks(forms());
    v.Selected_Module = index;
    v.Selection_State = 2;
    Funktionen::Clear_Module_Marks(forms());
    showPieceVariant(index, RedPicture);
}

void ModularBeltEditor::Form_KeyUp(const QKeyEvent& key)
{
    Variablen& v = vars();
    if (key.key() == Qt::Key_Delete && !key.isAutoRepeat() && v.Selection_State == 1) {
        v.Selection_State = 3;
        v.Request_Pending = true;
    }
}

void ModularBeltEditor::Command_Bestellnummer_Click()
{
    if (Command_Bestellnummer->text() != vars().Copy_Caption) {
        vars().Code_Refresh_mM = true;
        Funktionen::Make_Order_Code_mM(forms());
        return;
    }
    copyOrderCode();
}

void ModularBeltEditor::HScroll_Bandbreite_Change()
{
    setTextIfChanged(Text_Bandbreite, QString::number(HScroll_Bandbreite->value()));
}

} // namespace kx
