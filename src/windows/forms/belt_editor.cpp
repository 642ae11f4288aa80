#include "windows/forms/belt_editor.h"

#include "document/belt_document.h"
#include "rules/wording.h"
#include "windows/forms/forms.h"

#include "rules/scroll_steps.h"
#include "windows/forms/accessible_names.h"
#include "windows/forms/focus_ring.h"
#include "windows/forms/fonts.h"
#include "windows/forms/line_control.h"
#include "windows/forms/twips.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolTip>

namespace kx {

namespace {

QFont arial(qreal points)
{
    return arialFont(points);
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
// code always name one of the bar's own values. Its keys work as on any
// value bar: Right, Up and Page Up raise the value, where a scroll bar's
// own would lower it.
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
    bar->setInvertedControls(false);
    bar->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [bar](int action) {
        if (action != QAbstractSlider::SliderMove)
            return;
        const int snapped =
            snapToStep(bar->sliderPosition(), bar->minimum(), bar->maximum(), bar->singleStep());
        if (snapped != bar->sliderPosition())
            bar->setSliderPosition(snapped);
    });
    return bar;
}

// A box that shows a value but takes no input. Its text stays as legible as
// an enabled box's, since it is what the user reads.
QLineEdit* makeDisplayBox(QWidget* parent, const QString& name, const QString& text, QRect where)
{
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setGeometry(where);
    box->setReadOnly(true);
    box->setEnabled(false);
    box->setFont(commandFont());
    // Taking no input, it shows its value as plainly as a label, on the
    // window's own ground, and as legibly as an enabled box.
    QPalette palette = box->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     palette.color(QPalette::Active, QPalette::Text));
    palette.setColor(QPalette::Disabled, QPalette::Base,
                     palette.color(QPalette::Active, QPalette::Window));
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

BeltEditor::BeltEditor(Forms& forms, const QString& name, const BeltEditorLayout& layout,
                       BeltKind kind)
    : Form(forms, name), kind_(kind)
{
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

    // The boxes cover the bars' troughs; while they take no input, clicks,
    // drags and the wheel pass through them to the bars.
    setValueBoxesTakeInput(false, false);

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
    Option_Links =
        makeOption(Frame_Bandlaufrichtung, QStringLiteral("Option_Links"), QStringLiteral("links"),
                   twipsRect(layout.optionLinksLeft, 0, 1035, 255));

    Label_Optional = makeLabel(this, QStringLiteral("Label_Optional"), QStringLiteral("optional:"),
                               twipsRect(780, 3960, 1275, 255));
    for (int i = 0; i < FeatureCount; ++i) {
        auto* box = new QCheckBox(QStringLiteral("Check1"), this);
        box->setObjectName(QStringLiteral("Check_Optional(%1)").arg(i));
        box->setGeometry(
            twipsRect(i < 3 ? 2730 : layout.rightColumnLeft, 3960 + 360 * (i % 3), 3075, 255));
        box->setFont(arial(11.25));
        // Shown for the features the language file defines.
        box->hide();
        Check_Optional[std::size_t(i)] = box;
    }

    Line_Bestell = new LineControl(QStringLiteral("Line_Bestell"), this);
    Line_Bestell->setLine(twipsPoint(60, layout.orderLineTop),
                          twipsPoint(14580, layout.orderLineTop));

    Command_Bestellnummer = new QPushButton(QStringLiteral("Bestell-Nummer erstellen"), this);
    Command_Bestellnummer->setObjectName(QStringLiteral("Command_Bestellnummer"));
    Command_Bestellnummer->setGeometry(twipsRect(60, layout.orderRowTop, 3015, 495));
    Command_Bestellnummer->setFont(commandFont());
    Text_Bestellnummer =
        makeDisplayBox(this, QStringLiteral("Text_Bestellnummer"), QStringLiteral("KX-xxx-xx-x-x"),
                       twipsRect(3120, layout.orderRowTop, 6435, 495));
    // The editors are built after the start dialog's first paint, so this
    // font's loading costs the start-up nothing.
    Text_Bestellnummer->setFont(arial(14.25));
    // Read-only, yet it takes the focus, so that the code can be selected
    // and copied from the keyboard and a screen reader reaches it.
    Text_Bestellnummer->setEnabled(true);
    Text_Bestellnummer->setFocusPolicy(Qt::StrongFocus);

    focusRing_ = new FocusRing(this);
    focusRing_->watch(HScroll_Bandlaenge);
    focusRing_->watch(HScroll_Bandbreite);

    BeltDocument& doc = document();
    connect(&doc, &BeltDocument::frontChanged, this, [this] {
        if (showsDocument()) {
            Syncing syncing(*this);
            setUpBelt();
        }
    });
    connect(&doc, &BeltDocument::beltChanged, this, [this] {
        if (showsDocument()) {
            Syncing syncing(*this);
            showBelt();
        }
    });
    connect(&doc, &BeltDocument::codeChanged, this, [this] {
        if (showsDocument())
            showCode();
    });

    // A value typed and confirmed with Enter is taken when the bar could
    // reach it; anything else is put back.
    const auto typed = [this](QLineEdit* box, QScrollBar* bar, bool (*reachable)(int)) {
        connect(box, &QLineEdit::returnPressed, this, [box, bar, reachable] {
            bool number = false;
            const int value = box->text().trimmed().toInt(&number);
            if (number && reachable(value))
                bar->setValue(value);
            box->setText(QString::number(bar->value()));
        });
        connect(box, &QLineEdit::editingFinished, this, [box, bar] {
            if (box->text() != QString::number(bar->value()))
                box->setText(QString::number(bar->value()));
        });
    };
    typed(Text_Bandlaenge, HScroll_Bandlaenge, &isPlainLength);
    typed(Text_Bandbreite, HScroll_Bandbreite, &isBeltWidth);

    connect(HScroll_Bandbreite, &QScrollBar::valueChanged, this, [this](int width) {
        if (!syncing_ && showsDocument())
            document().setWidth(width);
        showWidth();
    });
    // A bar dragged is one change.
    for (QScrollBar* bar : {HScroll_Bandlaenge, HScroll_Bandbreite}) {
        connect(bar, &QScrollBar::sliderPressed, this, [this] {
            if (showsDocument())
                document().setDragging(true);
        });
        connect(bar, &QScrollBar::sliderReleased, this, [this] {
            if (showsDocument())
                document().setDragging(false);
        });
    }
    for (int i = 0; i < FeatureCount; ++i)
        connect(Check_Optional[std::size_t(i)], &QCheckBox::toggled, this, [this, i](bool ticked) {
            if (!syncing_ && showsDocument())
                document().setFeature(i, ticked);
        });
    connect(Command_Bestellnummer, &QPushButton::clicked, this,
            &BeltEditor::Command_Bestellnummer_Click);
}

void BeltEditor::Form_Load()
{
    if (showsDocument()) {
        Syncing syncing(*this);
        setUpBelt();
    }
}

void BeltEditor::setTabChain(const QList<QWidget*>& order)
{
    QList<Qt::FocusPolicy> policies;
    for (QWidget* control : order) {
        policies << control->focusPolicy();
        if (control->focusPolicy() == Qt::NoFocus)
            control->setFocusPolicy(Qt::TabFocus);
    }
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    for (qsizetype i = 0; i < order.size(); ++i)
        order[i]->setFocusPolicy(policies[i]);
}

void BeltEditor::explainLock(std::initializer_list<QWidget*> controls)
{
    const Wording& w = forms().wording();
    const QString why = document().locked() ? w.notes[NoteLocked] : QString();
    for (QWidget* control : controls)
        if (control->toolTip() != why)
            control->setToolTip(why);
    const FeatureList& features = w.features(kind_);
    for (int i = 0; i < FeatureCount; ++i) {
        QString tip = i < features.count ? features.codes[std::size_t(i)] : QString();
        if (!why.isEmpty() && !tip.isEmpty())
            tip += QLatin1Char('\n') + why;
        if (Check_Optional[std::size_t(i)]->toolTip() != tip)
            Check_Optional[std::size_t(i)]->setToolTip(tip);
    }
}

void BeltEditor::setValueBoxesTakeInput(bool length, bool width)
{
    for (auto [box, takes] :
         {std::pair(Text_Bandlaenge, length), std::pair(Text_Bandbreite, width)}) {
        box->setEnabled(takes);
        box->setReadOnly(!takes);
        // A box that takes no input looks like none: no frame to type into.
        box->setFrame(takes);
        box->setAttribute(Qt::WA_TransparentForMouseEvents, !takes);
        box->setFocusPolicy(takes ? Qt::StrongFocus : Qt::NoFocus);
    }
}

BeltDocument& BeltEditor::document() const
{
    return forms().document();
}

bool BeltEditor::showsDocument() const
{
    const BeltDocument& doc = forms().document();
    return doc.hasBelt() && doc.belt().kind == kind_;
}

void BeltEditor::showWidth()
{
    setTextIfChanged(Text_Bandbreite, QString::number(HScroll_Bandbreite->value()));
}

void BeltEditor::showCode()
{
    setTextIfChanged(Text_Bestellnummer, document().shownCode());
    setShownIfChanged(Text_Bestellnummer, true);
    setCaptionIfChanged(Command_Bestellnummer, forms().wording().copyCaption);
}

void BeltEditor::showOrderCodeRow()
{
    setShownIfChanged(Command_Bestellnummer, true);
    showCode();
}

void BeltEditor::showFeatures(bool setUp)
{
    const BeltDocument& doc = document();
    const int count = std::min(forms().wording().features(kind_).count, FeatureCount);
    for (int i = 0; i < count; ++i) {
        QCheckBox* box = Check_Optional[std::size_t(i)];
        box->setChecked(doc.belt().features[std::size_t(i)]);
        box->setEnabled(!doc.locked());
        if (setUp)
            setShownIfChanged(box, true);
    }
}

void BeltEditor::Command_Bestellnummer_Click()
{
    if (Command_Bestellnummer->text() != forms().wording().copyCaption) {
        if (showsDocument()) {
            document().buildCode();
            showCode();
        }
        return;
    }
    copyOrderCode();
}

void BeltEditor::nameControls()
{
    const QString length = nameFromCaption(Label_Bandlaenge->text());
    const QString width = nameFromCaption(Label_Bandbreite->text());
    setAccessibleNameIfChanged(HScroll_Bandlaenge, length);
    setAccessibleNameIfChanged(Text_Bandlaenge, length);
    setAccessibleNameIfChanged(HScroll_Bandbreite, width);
    setAccessibleNameIfChanged(Text_Bandbreite, width);
    setAccessibleNameIfChanged(Frame_Bandlaufrichtung,
                               nameFromCaption(Label_Bandlaufrichtung->text()));
    setAccessibleNameIfChanged(Text_Bestellnummer, forms().wording().access[AccessOrderCode]);
}

void BeltEditor::copyOrderCode() const
{
    // The code shown, even if the controls changed since the last tick.
    const QString code = Text_Bestellnummer->text();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(code);
    // A note by the button says so; its caption stays as it is, and nothing
    // takes room from the window's fixed layout.
    QString note = forms().wording().notes[NoteCopied];
    if (note.contains(QLatin1String("%1")))
        note.replace(QLatin1String("%1"), code);
    else
        note += QLatin1Char(' ') + code;
    QToolTip::showText(
        Command_Bestellnummer->mapToGlobal(QPoint(0, Command_Bestellnummer->height())), note,
        Command_Bestellnummer, QRect(), 3000);
}

} // namespace kx
