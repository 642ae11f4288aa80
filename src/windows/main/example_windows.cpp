#include "windows/main/example_windows.h"

#include "windows/forms/fonts.h"
#include "windows/forms/image_control.h"
#include "windows/forms/twips.h"

#include "pictures/program_icons.h"

#include <QGuiApplication>
#include <QKeyEvent>
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
    label->setFont(arialFont(12, true));
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Window);
    return label;
}

ImageControl* makeImage(QWidget* parent, const QString& name, QRect where)
{
    auto* image = new ImageControl(name, parent);
    image->setGeometry(where);
    return image;
}
} // namespace

ExampleWindow::ExampleWindow(Forms& forms, const QString& name) : Form(forms, name) {}

// The views take a while to render; they are drawn when the window is first
// shown, not when the start-up creates it to word it.
void ExampleWindow::showEvent(QShowEvent* event)
{
    if (!picturesDrawn_) {
        picturesDrawn_ = true;
        drawPictures();
    }
    Form::showEvent(event);
}

void ExampleWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        Hide();
        return;
    }
    Form::keyPressEvent(event);
}

ExampleWindow1::ExampleWindow1(Forms& forms) : ExampleWindow(forms, windowName())
{
    setUpWindow(this, twipsSize(6855, 8640));
    Image5 = makeImage(this, QStringLiteral("Image5"), twipsRect(300, 300, 6195, 1770));
    Label_Ansicht01_01 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_01"), twipsRect(300, 2160, 6195, 375));
    Image1 = makeImage(this, QStringLiteral("Image1"), twipsRect(120, 2880, 3075, 2310));
    Image2 = makeImage(this, QStringLiteral("Image2"), twipsRect(3660, 2880, 3075, 2310));
    Label_Ansicht01_02 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_02"), twipsRect(120, 5220, 3075, 375));
    Label_Ansicht01_03 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_03"), twipsRect(3660, 5220, 3075, 375));
    Image3 = makeImage(this, QStringLiteral("Image3"), twipsRect(120, 5640, 3075, 2310));
    Image4 = makeImage(this, QStringLiteral("Image4"), twipsRect(3660, 5640, 3075, 2310));
    Label_Ansicht01_04 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_04"), twipsRect(120, 7980, 3075, 375));
    Label_Ansicht01_05 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_05"), twipsRect(3660, 7980, 3075, 375));
    // Each picture is named by the caption below it.
    Image5->setCaptionSource(Label_Ansicht01_01);
    Image1->setCaptionSource(Label_Ansicht01_02);
    Image2->setCaptionSource(Label_Ansicht01_03);
    Image3->setCaptionSource(Label_Ansicht01_04);
    Image4->setCaptionSource(Label_Ansicht01_05);
}

void ExampleWindow1::drawPictures()
{
    Image5->setPicture(exampleDrawing(1));
    Image1->setPicture(exampleView(1, 1));
    Image2->setPicture(exampleView(1, 2));
    Image3->setPicture(exampleView(1, 3));
    Image4->setPicture(exampleView(1, 4));
}

ExampleWindow2::ExampleWindow2(Forms& forms) : ExampleWindow(forms, windowName())
{
    setUpWindow(this, twipsSize(6735, 5925));
    Image3 = makeImage(this, QStringLiteral("Image3"), twipsRect(180, 360, 6195, 1770));
    Label_Ansicht02_01 =
        makeLabel(this, QStringLiteral("Label_Ansicht02_01"), twipsRect(180, 2220, 6195, 375));
    Image1 = makeImage(this, QStringLiteral("Image1"), twipsRect(0, 2940, 3075, 2310));
    Image2 = makeImage(this, QStringLiteral("Image2"), twipsRect(3540, 2940, 3075, 2310));
    Label_Ansicht02_02 =
        makeLabel(this, QStringLiteral("Label_Ansicht02_02"), twipsRect(0, 5280, 3075, 375));
    Label_Ansicht02_03 =
        makeLabel(this, QStringLiteral("Label_Ansicht02_03"), twipsRect(3540, 5280, 3075, 375));
    Image3->setCaptionSource(Label_Ansicht02_01);
    Image1->setCaptionSource(Label_Ansicht02_02);
    Image2->setCaptionSource(Label_Ansicht02_03);
}

void ExampleWindow2::drawPictures()
{
    Image3->setPicture(exampleDrawing(2));
    Image1->setPicture(exampleView(2, 1));
    Image2->setPicture(exampleView(2, 2));
}

} // namespace kx
