#pragma once

#include "windows/forms/form.h"

class QPushButton;

namespace kx {

class ImageControl;

// wStart: three rows, each a picture and the button that opens that kind of
// belt. The row of the right-running button carries Image_Start_L.
class StartDialog : public Form
{
    Q_OBJECT
public:
    explicit StartDialog(Forms& forms);
    static QString windowName() { return QStringLiteral("wStart"); }

    ImageControl* plainPicture = nullptr;
    ImageControl* rightRunningPicture = nullptr;
    ImageControl* leftRunningPicture = nullptr;
    QPushButton* plainButton = nullptr;
    QPushButton* rightRunningButton = nullptr;
    QPushButton* leftRunningButton = nullptr;

    void nameControls() override;

public slots:
    void Command_Start_oM_Click();
    void Command_Start_R_Click();
    void Command_Start_L_Click();
};

} // namespace kx
