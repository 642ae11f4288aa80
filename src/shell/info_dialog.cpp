#include "info_dialog.h"

#include "forms.h"
#include "main_window.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>

namespace kx {

InfoDialog::InfoDialog(Forms& forms) : Form(forms, QStringLiteral("wInfo"))
{
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(twipsSize(5160, 8205));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(twipsRect(1020, 7380, 1380, 435));

    Label_Titel = new QLabel(QStringLiteral("KX-Konfigurator"), this);
    Label_Titel->setObjectName(QStringLiteral("Label_Titel"));
    Label_Titel->setGeometry(twipsRect(60, 2100, 3315, 555));

    connect(Command1, &QPushButton::clicked, this, &InfoDialog::Command1_Click);
}

void InfoDialog::Command1_Click()
{
    Hide();
    if (MainWindow* main = forms().loadedMain())
        main->activateWindow();
}

} // namespace kx
