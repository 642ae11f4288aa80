#include "windows/main/info_dialog.h"

#include "version.h"
#include "windows/forms/fonts.h"
#include "windows/forms/forms.h"
#include "windows/forms/twips.h"

#include "pictures/program_icons.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QScreen>

namespace kx {

namespace {
QFont arialBold(qreal points)
{
    return arialFont(points, true);
}

struct ContactLine
{
    int index;
    int left;
    int top;
    int width;
    const char* text;
};

// The maker's address block, top to bottom; 3 and 6 are spacers.
const ContactLine ContactLines[] = {
    {0, 240, 4740, 3135, "Quellbrunn F\xc3\xb6rdersysteme GmbH"},
    {1, 240, 4980, 3135, "Am Rollenweg 14"},
    {2, 240, 5220, 3135, "37999 Quellbrunn"},
    {12, 240, 5460, 3135, "Deutschland"},
    {3, 240, 5700, 3135, ""},
    {4, 240, 5940, 795, "Tel.:"},
    {11, 1020, 5940, 2355, "+49 5599 4711-0"},
    {5, 240, 6180, 735, "Fax:"},
    {10, 1020, 6180, 2355, "+49 5599 4711-99"},
    {6, 240, 6360, 3135, ""},
    {8, 240, 6600, 3135, "info@quellbrunn.example"},
    {9, 240, 6840, 3135, "www.quellbrunn.example"},
};
} // namespace

QString InfoDialog::versionLine()
{
    return QStringLiteral("47-318  V " KX_VERSION);
}

InfoDialog::InfoDialog(Forms& forms) : Form(forms, windowName())
{
    setWindowTitle(QStringLiteral("Info"));
    setWindowIcon(applicationIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(5160, 8205));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto makeLabel = [this](const QString& name, const QString& text, QRect where,
                            const QFont& font, Qt::Alignment alignment) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setGeometry(where);
        label->setFont(font);
        label->setAlignment(alignment);
        label->setAutoFillBackground(true);
        return label;
    };

    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setObjectName(QStringLiteral("Command1"));
    okButton->setGeometry(twipsRect(1020, 7380, 1380, 435));
    okButton->setFont(commandFont());

    const QFont title = arialBold(20.25);
    Label_Titel = makeLabel(QStringLiteral("Label_Titel"), QStringLiteral("KX-Konfigurator"),
                            twipsRect(60, 2100, 3315, 555), title, Qt::AlignHCenter | Qt::AlignTop);
    lines[7] = makeLabel(QStringLiteral("Label1(7)"), versionLine(),
                         twipsRect(120, 2760, 3255, 375), title, Qt::AlignHCenter | Qt::AlignTop);

    // The picture box is smaller than the logo and shows its upper left part.
    logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Picture1"));
    logo->setGeometry(twipsRect(3420, 60, 1695, 8115));
    logo->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    const QFont contact = arialBold(8.25);
    for (const ContactLine& line : ContactLines)
        lines[std::size_t(line.index)] = makeLabel(
            QStringLiteral("Label1(%1)").arg(line.index), QString::fromUtf8(line.text),
            twipsRect(line.left, line.top, line.width, 195), contact, Qt::AlignLeft | Qt::AlignTop);

    // The logo is the maker's, named as the first contact line names it.
    logo->setAccessibleName(lines[0]->text());

    // OK is the one control that takes the focus.
    okButton->setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    connect(okButton, &QPushButton::clicked, this, &InfoDialog::closeByOk);
}

void InfoDialog::closeByOk()
{
    Hide();
    focusMainWindow();
}

// The logo is drawn when the window is first shown, not when the start-up
// creates it to word it.
void InfoDialog::showEvent(QShowEvent* event)
{
    if (logo->pixmap().isNull())
        logo->setPixmap(infoLogo());
    Form::showEvent(event);
}

void InfoDialog::keyPressEvent(QKeyEvent* event)
{
    // Keys the button does not use, Escape among them, arrive here too.
    if (event->key() == Qt::Key_Escape) {
        Hide();
        return;
    }
    Form::keyPressEvent(event);
}

void InfoDialog::closeEvent(QCloseEvent* event)
{
    Form::closeEvent(event);
    if (event->isAccepted())
        focusMainWindow();
}

void InfoDialog::focusMainWindow()
{
    // The window that holds the MDI area is the main window.
    if (QMdiArea* area = forms().mdiArea()) {
        area->window()->raise();
        area->window()->activateWindow();
    }
}

} // namespace kx
