#include "plain_editor.h"

#include "forms.h"
#include "image_control.h"
#include "plain_procedures.h"
#include "set_if_changed.h"
#include "twips.h"
#include "variablen.h"

#include "picture_store.h"
#include "program_icons.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace kx {


PlainBeltEditor::PlainBeltEditor(Forms& forms)
    : BeltEditor(forms, windowName(), BeltEditorLayout{1440, 6300, 5040, 5160})
{
    setWindowTitle(QStringLiteral("Förderband, ohne Seitenmodule"));
    setWindowIcon(applicationIcon());
    resize(twipsSize(14595, 5685));

    Image_Führung = new ImageControl(QStringLiteral("Image_Führung"), this);
    Image_Führung->setGeometry(twipsRect(690, 720, 4695, 315));
    Image_Band_oM = new ImageControl(QStringLiteral("Image_Band_oM"), this);
    Image_Band_oM->move(twipsPoint(BeltPictureLeft, BeltPictureTop));
    // The picture of the belt is what the window is about.
    Image_Band_oM->setCaptionSource(this);
    Text_Bestellnummer->hide();

    QWidget* tabOrder[] = {HScroll_Bandlaenge, Text_Bandlaenge,       HScroll_Bandbreite,
                           Text_Bandbreite,    Command_Bestellnummer, Text_Bestellnummer,
                           Option_Rechts,      Option_Links};
    QWidget* previous = nullptr;
    for (QWidget* next : tabOrder) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    for (QCheckBox* box : Check_Optional) {
        setTabOrder(previous, box);
        previous = box;
    }

    connect(HScroll_Bandlaenge, &QScrollBar::valueChanged, this,
            &PlainBeltEditor::HScroll_Bandlaenge_Change);
    connect(HScroll_Bandbreite, &QScrollBar::valueChanged, this,
            &PlainBeltEditor::HScroll_Bandbreite_Change);
    // Selecting a button, by a click or from code, is its Click.
    connect(Option_Rechts, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            Option_Rechts_Click();
    });
    connect(Option_Links, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked)
            Option_Links_Click();
    });
    connect(Command_Bestellnummer, &QPushButton::clicked, this,
            &PlainBeltEditor::Command_Bestellnummer_Click);
    // Named now too, in case the text pass that names it again fails.
    nameControls();
}

void PlainBeltEditor::Form_Load()
{
    showBeltPicture(300, QLatin1Char('R'));
    Option_Rechts->setEnabled(true);
    Option_Links->setEnabled(true);
    HScroll_Bandbreite->setEnabled(true);
    HScroll_Bandlaenge->setEnabled(true);
    Option_Rechts->setChecked(true);
}

PlainBelt PlainBeltEditor::belt() const
{
    PlainBelt belt;
    belt.widthText = Text_Bandbreite->text();
    belt.lengthText = Text_Bandlaenge->text();
    belt.right = Option_Rechts->isChecked();
    belt.left = Option_Links->isChecked();
    for (int i = 0; i < FeatureCount; ++i) {
        belt.features[std::size_t(i)] = Check_Optional[std::size_t(i)]->isChecked();
        belt.featureCodes[std::size_t(i)] = vars().Optional_oM[i];
    }
    return belt;
}

void PlainBeltEditor::HScroll_Bandbreite_Change()
{
    setTextIfChanged(Text_Bandbreite, QString::number(HScroll_Bandbreite->value()));
}

void PlainBeltEditor::HScroll_Bandlaenge_Change()
{
    showLength();
}

void PlainBeltEditor::Option_Rechts_Click()
{
    showLength();
}

void PlainBeltEditor::Option_Links_Click()
{
    showLength();
}

// The length procedure. It touches neither the order code nor any flag: the
// next timer tick rebuilds the code from the text.
void PlainBeltEditor::showLength()
{
    setTextIfChanged(Text_Bandlaenge, QString::number(HScroll_Bandlaenge->value()));
    if (const std::optional<int> length = beltPictureLength(Text_Bandlaenge->text())) {
        const QChar side = Option_Rechts->isChecked() ? QLatin1Char('R') : QLatin1Char('L');
        showBeltPicture(*length, side);
    }
}

void PlainBeltEditor::showBeltPicture(int length, QChar side)
{
    Image_Band_oM->setPicture(forms().wImages2().Picture_oM(length, side),
                              plainBeltDrawing(length, side));
}

void PlainBeltEditor::Command_Bestellnummer_Click()
{
    if (Command_Bestellnummer->text() != vars().Copy_Caption) {
        vars().Code_Refresh_oM = true;
        Funktionen::Make_Order_Code_oM(forms());
        return;
    }
    copyOrderCode();
}

} // namespace kx
