#include "example_windows.h"

#include "image_control.h"
#include "twips.h"

#include "program_icons.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

namespace kx {

namespace {
void setUpWindow(QWidget* window, QSize client)
{
    window->setWindowTitle(QStringLiteral("Form1"));
    window->setWindowIcon(applicationIcon());
    window->setAutoFillBackground(true);
    window->setBackgroundRole(QPalette::Window);
    window->setFixedSize(client);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window->move(screen->availableGeometry().center() - window->rect().center());
}

QLabel* makeLabel(QWidget* parent, const QString& name, QRect where)
{
    auto* label = new QLabel(QStringLiteral("Label1"), parent);
    label->setObjectName(name);
    label->setGeometry(where);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(12);
    font.setBold(true);
    label->setFont(font);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Window);
    return label;
}

ImageControl* makeImage(QWidget* parent, const QString& name, const QPixmap& picture, QPoint where)
{
    auto* image = new ImageControl(name, parent);
    image->move(where);
    image->setPicture(picture);
    return image;
}
} // namespace

ExampleWindow1::ExampleWindow1(Forms& forms) : Form(forms, QStringLiteral("wAnsicht_01"))
{
    setUpWindow(this, twipsSize(6855, 8640));
    Image5 = makeImage(this, QStringLiteral("Image5"), exampleDrawing(1), twipsPoint(300, 300));
    Label_Ansicht01_01 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_01"), twipsRect(300, 2160, 6195, 375));
    Image1 = makeImage(this, QStringLiteral("Image1"), exampleView(1, 1), twipsPoint(120, 2880));
    Image2 = makeImage(this, QStringLiteral("Image2"), exampleView(1, 2), twipsPoint(3660, 2880));
    Label_Ansicht01_02 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_02"), twipsRect(120, 5220, 3075, 375));
    Label_Ansicht01_03 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_03"), twipsRect(3660, 5220, 3075, 375));
    Image3 = makeImage(this, QStringLiteral("Image3"), exampleView(1, 3), twipsPoint(120, 5640));
    Image4 = makeImage(this, QStringLiteral("Image4"), exampleView(1, 4), twipsPoint(3660, 5640));
    Label_Ansicht01_04 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_04"), twipsRect(120, 7980, 3075, 375));
    Label_Ansicht01_05 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_05"), twipsRect(3660, 7980, 3075, 375));
}

ExampleWindow2::ExampleWindow2(Forms& forms) : Form(forms, QStringLiteral("wAnsicht_02"))
{
    setUpWindow(this, twipsSize(6735, 5925));
    Image3 = makeImage(this, QStringLiteral("Image3"), exampleDrawing(2), twipsPoint(180, 360));
    Label_Ansicht02_01 =
        makeLabel(this, QStringLiteral("Label_Ansicht02_01"), twipsRect(180, 2220, 6195, 375));
    Image1 = makeImage(this, QStringLiteral("Image1"), exampleView(2, 1), twipsPoint(0, 2940));
    Image2 = makeImage(this, QStringLiteral("Image2"), exampleView(2, 2), twipsPoint(3540, 2940));
    Label_Ansicht02_02 =
        makeLabel(this, QStringLiteral("Label_Ansicht02_02"), twipsRect(0, 5280, 3075, 375));
    Label_Ansicht02_03 =
        makeLabel(this, QStringLiteral("Label_Ansicht02_03"), twipsRect(3540, 5280, 3075, 375));
}

} // namespace kx
