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
    dimensionDrawing = makeImage(this, QStringLiteral("Image5"), twipsRect(300, 300, 6195, 1770));
    Label_Ansicht01_01 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_01"), twipsRect(300, 2160, 6195, 375));
    driveEndView = makeImage(this, QStringLiteral("Image1"), twipsRect(120, 2880, 3075, 2310));
    returnEndView = makeImage(this, QStringLiteral("Image2"), twipsRect(3660, 2880, 3075, 2310));
    Label_Ansicht01_02 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_02"), twipsRect(120, 5220, 3075, 375));
    Label_Ansicht01_03 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_03"), twipsRect(3660, 5220, 3075, 375));
    sideGuidesView = makeImage(this, QStringLiteral("Image3"), twipsRect(120, 5640, 3075, 2310));
    supportLegsView = makeImage(this, QStringLiteral("Image4"), twipsRect(3660, 5640, 3075, 2310));
    Label_Ansicht01_04 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_04"), twipsRect(120, 7980, 3075, 375));
    Label_Ansicht01_05 =
        makeLabel(this, QStringLiteral("Label_Ansicht01_05"), twipsRect(3660, 7980, 3075, 375));
    // Each picture is named by the caption below it.
    dimensionDrawing->setCaptionSource(Label_Ansicht01_01);
    driveEndView->setCaptionSource(Label_Ansicht01_02);
    returnEndView->setCaptionSource(Label_Ansicht01_03);
    sideGuidesView->setCaptionSource(Label_Ansicht01_04);
    supportLegsView->setCaptionSource(Label_Ansicht01_05);
}

void ExampleWindow1::drawPictures()
{
    dimensionDrawing->setPicture(exampleDrawing(1));
    driveEndView->setPicture(exampleView(1, 1));
    returnEndView->setPicture(exampleView(1, 2));
    sideGuidesView->setPicture(exampleView(1, 3));
    supportLegsView->setPicture(exampleView(1, 4));
}

ExampleWindow2::ExampleWindow2(Forms& forms) : ExampleWindow(forms, windowName())
{
    setUpWindow(this, twipsSize(6735, 5925));
    dimensionDrawing = makeImage(this, QStringLiteral("Image3"), twipsRect(180, 360, 6195, 1770));
    Label_Ansicht02_01 =
        makeLabel(this, QStringLiteral("Label_Ansicht02_01"), twipsRect(180, 2220, 6195, 375));
    fromAboveView = makeImage(this, QStringLiteral("Image1"), twipsRect(0, 2940, 3075, 2310));
    driveBelowView = makeImage(this, QStringLiteral("Image2"), twipsRect(3540, 2940, 3075, 2310));
    Label_Ansicht02_02 =
        makeLabel(this, QStringLiteral("Label_Ansicht02_02"), twipsRect(0, 5280, 3075, 375));
    Label_Ansicht02_03 =
        makeLabel(this, QStringLiteral("Label_Ansicht02_03"), twipsRect(3540, 5280, 3075, 375));
    dimensionDrawing->setCaptionSource(Label_Ansicht02_01);
    fromAboveView->setCaptionSource(Label_Ansicht02_02);
    driveBelowView->setCaptionSource(Label_Ansicht02_03);
}

void ExampleWindow2::drawPictures()
{
    dimensionDrawing->setPicture(exampleDrawing(2));
    fromAboveView->setPicture(exampleView(2, 1));
    driveBelowView->setPicture(exampleView(2, 2));
}

} // namespace kx
