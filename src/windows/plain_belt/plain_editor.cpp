#include "windows/plain_belt/plain_editor.h"

#include "document/belt_document.h"
#include "pictures/picture_store.h"
#include "pictures/program_icons.h"
#include "windows/forms/forms.h"
#include "windows/forms/image_control.h"
#include "windows/forms/set_if_changed.h"
#include "windows/forms/twips.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace kx {

PlainBeltEditor::PlainBeltEditor(Forms& forms)
    : BeltEditor(forms, windowName(), BeltEditorLayout{1440, 6300, 5040, 5160}, BeltKind::Plain)
{
    setWindowTitle(QStringLiteral("Förderband, ohne Seitenmodule"));
    setWindowIcon(applicationIcon());
    resize(twipsSize(14595, 5685));

    Image_Band_oM = new ImageControl(QStringLiteral("Image_Band_oM"), this);
    Image_Band_oM->move(twipsPoint(BeltPictureLeft, BeltPictureTop));
    // The picture of the belt is what the window is about.
    Image_Band_oM->setCaptionSource(this);
    Text_Bestellnummer->hide();

    // As the controls stand, top to bottom and left to right: length and
    // direction, width, the features row by row, the order-code row.
    const QList<QWidget*> tabOrder = {HScroll_Bandlaenge,    Text_Bandlaenge,    Option_Rechts,
                                      Option_Links,          HScroll_Bandbreite, Text_Bandbreite,
                                      Check_Optional[0],     Check_Optional[3],  Check_Optional[1],
                                      Check_Optional[4],     Check_Optional[2],  Check_Optional[5],
                                      Command_Bestellnummer, Text_Bestellnummer};
    setTabChain(tabOrder);

    // The length follows its bar and the picture follows the length and
    // the direction at once; the order code follows within a tick.
    connect(HScroll_Bandlaenge, &QScrollBar::valueChanged, this, &PlainBeltEditor::userChanged);
    // Selecting a button, by a click or from code, is its Click.
    for (QRadioButton* option : {Option_Rechts, Option_Links})
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                userChanged();
        });
    // Named now too, in case the text pass that names it again fails.
    nameControls();
}

void PlainBeltEditor::Form_Load()
{
    {
        // The design state is the window's own, no change of a belt.
        Syncing syncing(*this);
        showBeltPicture(MinLength, true);
        Option_Rechts->setEnabled(true);
        Option_Links->setEnabled(true);
        HScroll_Bandbreite->setEnabled(true);
        HScroll_Bandlaenge->setEnabled(true);
        Option_Rechts->setChecked(true);
    }
    BeltEditor::Form_Load();
}

void PlainBeltEditor::userChanged()
{
    showLength();
    if (syncing() || !showsDocument())
        return;
    BeltDocument& doc = document();
    doc.setRightRunning(Option_Rechts->isChecked());
    doc.setLength(HScroll_Bandlaenge->value());
}

// The length procedure: the length's text and the belt's picture.
void PlainBeltEditor::showLength()
{
    setTextIfChanged(Text_Bandlaenge, QString::number(HScroll_Bandlaenge->value()));
    if (isPlainLength(HScroll_Bandlaenge->value()))
        showBeltPicture(HScroll_Bandlaenge->value(), Option_Rechts->isChecked());
}

void PlainBeltEditor::showBeltPicture(int length, bool rightRunning)
{
    const QChar side = QLatin1Char(rightRunning ? 'R' : 'L');
    BeltPictureStore& pictures = forms().beltPictures();
    Image_Band_oM->setPictureLater(
        plainBeltSize(length, side),
        [&pictures, length, side] { return pictures.Picture_oM(length, side); },
        plainBeltDrawing(length, side));
}

void PlainBeltEditor::showBelt()
{
    const Belt& belt = document().belt();
    HScroll_Bandbreite->setValue(belt.width);
    HScroll_Bandlaenge->setValue(belt.length);
    (belt.rightRunning ? Option_Rechts : Option_Links)->setChecked(true);
    showWidth();
    showLength();
    showFeatures(false);
}

void PlainBeltEditor::setUpBelt()
{
    const bool locked = document().locked();
    showOrderCodeRow();
    for (QWidget* control : std::initializer_list<QWidget*>{HScroll_Bandlaenge, HScroll_Bandbreite,
                                                            Option_Rechts, Option_Links})
        control->setEnabled(!locked);
    setValueBoxesTakeInput(!locked, !locked);
    explainLock({HScroll_Bandlaenge, Text_Bandlaenge, HScroll_Bandbreite, Text_Bandbreite,
                 Frame_Bandlaufrichtung, Option_Rechts, Option_Links});
    showBelt();
    showFeatures(true);
}

} // namespace kx
