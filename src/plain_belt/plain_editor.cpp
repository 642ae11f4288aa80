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
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

namespace kx {

namespace {

QFont arial(qreal points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, QRect where)
{
    auto* label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(where);
    label->setFont(arial(11.25));
    return label;
}

// A dragged thumb stops only on the steps, so the text, the picture and the
// code always name one of the bar's own values.
void snapWhileDragging(QScrollBar* bar)
{
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar](int action) {
        if (action != QAbstractSlider::SliderMove)
            return;
        const int snapped =
            snapToStep(bar->sliderPosition(), bar->minimum(), bar->maximum(), bar->singleStep());
        if (snapped != bar->sliderPosition())
            bar->setSliderPosition(snapped);
    });
}

QScrollBar* makeScrollBar(QWidget* parent, const QString& name, int minimum, int maximum, int step,
                          QRect where)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setGeometry(where);
    bar->setRange(minimum, maximum);
    bar->setSingleStep(step);
    bar->setPageStep(step);
    bar->setValue(minimum);
    bar->setFocusPolicy(Qt::StrongFocus);
    snapWhileDragging(bar);
    return bar;
}

// A box that shows a value but takes no input. Its text stays as legible as
// an enabled box's, since it is what the user reads.
QLineEdit* makeDisplayBox(QWidget* parent, const QString& name, const QString& text, QRect where)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setGeometry(where);
    box->setEnabled(false);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     palette.color(QPalette::Active, QPalette::Text));
    palette.setColor(QPalette::Disabled, QPalette::Base,
                     palette.color(QPalette::Active, QPalette::Base));
    box->setPalette(palette);
    return box;
}

QRadioButton* makeOption(QWidget* parent, const QString& name, const QString& caption, QRect where)
{
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(name);
    option->setGeometry(where);
    option->setFont(arial(11.25));
    return option;
}

} // namespace

PlainBeltEditor::PlainBeltEditor(Forms& forms) : Form(forms, QStringLiteral("woM"))
{
    setWindowTitle(QStringLiteral("Förderband, ohne Seitenmodule"));
    setWindowIcon(applicationIcon());
    resize(twipsSize(14595, 5685));

    Image_Führung = new ImageControl(QStringLiteral("Image_Führung"), this);
    Image_Führung->setGeometry(twipsRect(690, 720, 4695, 315));
    Image_Band_oM = new ImageControl(QStringLiteral("Image_Band_oM"), this);
    Image_Band_oM->move(twipsPoint(540, 1080));

    Label_Bandlaenge = makeLabel(this, QStringLiteral("Label_Bandlaenge"),
                                 QStringLiteral("Bandlänge:"), twipsRect(780, 2880, 1755, 255));
    HScroll_Bandlaenge = makeScrollBar(this, QStringLiteral("HScroll_Bandlaenge"), 300, 1500, 100,
                                       twipsRect(2700, 2880, 1155, 270));
    // Created after its bar, so it lies over the bar's middle, between the arrows.
    Text_Bandlaenge = makeDisplayBox(this, QStringLiteral("Text_Bandlaenge"), QStringLiteral("300"),
                                     twipsRect(2940, 2880, 675, 285));

    Label_Bandbreite = makeLabel(this, QStringLiteral("Label_Bandbreite"),
                                 QStringLiteral("Bandbreite:"), twipsRect(780, 3420, 1755, 255));
    HScroll_Bandbreite = makeScrollBar(this, QStringLiteral("HScroll_Bandbreite"), 40, 80, 40,
                                       twipsRect(2700, 3420, 1155, 270));
    Text_Bandbreite = makeDisplayBox(this, QStringLiteral("Text_Bandbreite"), QStringLiteral("40"),
                                     twipsRect(2940, 3420, 675, 285));

    // The boxes cover the bars' troughs; clicks, drags and the wheel pass
    // through them to the bars.
    Text_Bandlaenge->setAttribute(Qt::WA_TransparentForMouseEvents);
    Text_Bandbreite->setAttribute(Qt::WA_TransparentForMouseEvents);

    Label_Bandlaufrichtung =
        makeLabel(this, QStringLiteral("Label_Bandlaufrichtung"),
                  QStringLiteral("Bandlaufrichtung:"), twipsRect(4080, 2880, 2115, 255));
    Frame_Bandlaufrichtung = new QFrame(this);
    Frame_Bandlaufrichtung->setObjectName(QStringLiteral("Frame_Bandlaufrichtung"));
    Frame_Bandlaufrichtung->setGeometry(twipsRect(6300, 2880, 2475, 255));
    Frame_Bandlaufrichtung->setFrameShape(QFrame::NoFrame);
    // Siblings in one frame exclude each other.
    Option_Rechts = makeOption(Frame_Bandlaufrichtung, QStringLiteral("Option_Rechts"),
                               QStringLiteral("rechts"), twipsRect(60, 0, 1095, 255));
    Option_Links = makeOption(Frame_Bandlaufrichtung, QStringLiteral("Option_Links"),
                              QStringLiteral("links"), twipsRect(1440, 0, 1035, 255));

    Label_Optional = makeLabel(this, QStringLiteral("Label_Optional"), QStringLiteral("optional:"),
                               twipsRect(780, 3960, 1275, 255));
    for (int i = 0; i < PlainFeatureCount; ++i) {
        auto* box = new QCheckBox(QStringLiteral("Check1"), this);
        box->setObjectName(QStringLiteral("Check_Optional(%1)").arg(i));
        box->setGeometry(twipsRect(i < 3 ? 2730 : 6300, 3960 + 360 * (i % 3), 3075, 255));
        box->setFont(arial(11.25));
        box->hide();
        Check_Optional[std::size_t(i)] = box;
    }

    Line_Bestell = new QFrame(this);
    Line_Bestell->setObjectName(QStringLiteral("Line_Bestell"));
    Line_Bestell->setFrameShape(QFrame::HLine);
    Line_Bestell->setFrameShadow(QFrame::Plain);
    Line_Bestell->setLineWidth(1);
    Line_Bestell->setGeometry(QRect(twipsPoint(60, 5040), twipsPoint(14580, 5040)));

    Command_Bestellnummer = new QPushButton(QStringLiteral("Bestell-Nummer erstellen"), this);
    Command_Bestellnummer->setObjectName(QStringLiteral("Command_Bestellnummer"));
    Command_Bestellnummer->setGeometry(twipsRect(60, 5160, 3015, 495));
    Text_Bestellnummer =
        makeDisplayBox(this, QStringLiteral("Text_Bestellnummer"), QStringLiteral("KX-xxx-xx-x-x"),
                       twipsRect(3120, 5160, 6435, 495));
    Text_Bestellnummer->setFont(arial(14.25));
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
}

void PlainBeltEditor::Form_Load()
{
    Image_Band_oM->setPicture(forms().wImages2().picture(QStringLiteral("Picture_oM300R")));
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
    for (int i = 0; i < PlainFeatureCount; ++i) {
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
        Image_Band_oM->setPicture(forms().wImages2().Picture_oM(*length, side));
    }
}

void PlainBeltEditor::Command_Bestellnummer_Click()
{
    if (Command_Bestellnummer->text() != vars().Copy_Caption) {
        vars().Code_Refresh_oM = true;
        Funktionen::Make_Order_Code_oM(forms());
        return;
    }
    // The code shown, even if the controls changed since the last tick.
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(Text_Bestellnummer->text());
}

} // namespace kx
