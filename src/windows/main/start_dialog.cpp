#include "windows/main/start_dialog.h"

#include "document/belt_document.h"
#include "windows/forms/accessible_names.h"
#include "windows/forms/fonts.h"
#include "windows/forms/forms.h"
#include "windows/forms/image_control.h"
#include "windows/forms/twips.h"

#include "pictures/picture_store.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace kx {

namespace {
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, QRect where)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(where);
    button->setFont(commandFont());
    return button;
}

ImageControl* makeImage(QWidget* parent, const QString& name, const BeltPictureStore& pictures,
                        const QString& picture, QPoint where)
{
    auto* image = new ImageControl(name, parent);
    image->move(where);
    // The design picture is the store's own: the start-up's putting it on
    // again then changes and repaints nothing.
    image->setPicture(pictures.picture(picture), BeltPictureStore::drawing(picture));
    return image;
}
} // namespace

StartDialog::StartDialog(Forms& forms) : Form(forms, windowName())
{
    setWindowTitle(QString());
    setWindowIcon(QIcon());
    resize(twipsSize(9975, 6960));

    BeltPictureStore& pictures = forms.beltPictures();
    plainPicture = makeImage(this, QStringLiteral("Image_Start_oM"), pictures,
                             QStringLiteral("Picture_Start_oM"), twipsPoint(360, 60));
    plainButton =
        makeButton(this, QStringLiteral("Command_Start_oM"),
                   QStringLiteral("Band erstellen, ohne Module"), twipsRect(5160, 420, 3855, 435));
    rightRunningPicture = makeImage(this, QStringLiteral("Image_Start_L"), pictures,
                                    QStringLiteral("Picture_Start_L"), twipsPoint(360, 1800));
    rightRunningButton = makeButton(this, QStringLiteral("Command_Start_R"),
                                    QStringLiteral("Band erstellen, Laufrichtung rechts"),
                                    twipsRect(5160, 2100, 3855, 435));
    leftRunningPicture = makeImage(this, QStringLiteral("Image_Start_R"), pictures,
                                   QStringLiteral("Picture_Start_R"), twipsPoint(300, 3960));
    leftRunningButton = makeButton(this, QStringLiteral("Command_Start_L"),
                                   QStringLiteral("Band erstellen, Laufrichtung links"),
                                   twipsRect(5160, 4080, 3855, 435));

    // Each picture is named by the button of its row.
    plainPicture->setCaptionSource(plainButton);
    rightRunningPicture->setCaptionSource(rightRunningButton);
    leftRunningPicture->setCaptionSource(leftRunningButton);

    // Top to bottom, as the rows stand.
    setTabOrder(plainButton, rightRunningButton);
    setTabOrder(rightRunningButton, leftRunningButton);

    connect(plainButton, &QPushButton::clicked, this, &StartDialog::Command_Start_oM_Click);
    connect(rightRunningButton, &QPushButton::clicked, this, &StartDialog::Command_Start_R_Click);
    connect(leftRunningButton, &QPushButton::clicked, this, &StartDialog::Command_Start_L_Click);
}

// The dialog has no caption; what it offers is what the menu calls it.
void StartDialog::nameControls()
{
    QMdiArea* area = forms().mdiArea();
    const QAction* item =
        area ? area->window()->findChild<QAction*>(QStringLiteral("band_erstellen")) : nullptr;
    if (!item)
        return;
    const QString name = nameFromCaption(item->iconText());
    setAccessibleNameIfChanged(this, name);
    if (QMdiSubWindow* frame = mdiFrame())
        setAccessibleNameIfChanged(frame, name);
}

// Each button starts a fresh belt of its kind, as the New commands do.
void StartDialog::Command_Start_oM_Click()
{
    forms().document().newPlainBelt();
}

void StartDialog::Command_Start_R_Click()
{
    forms().document().newModularBelt(true);
}

void StartDialog::Command_Start_L_Click()
{
    forms().document().newModularBelt(false);
}

} // namespace kx
