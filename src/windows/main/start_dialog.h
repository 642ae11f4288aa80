#pragma once

#include "windows/forms/form.h"

class QPushButton;

namespace kx {

class ImageControl;

// wStart: three rows, each a picture and the button that opens that kind of
// belt. The row of the right-running button carries Image_Start_L.
class StartDialog : public Form {
    Q_OBJECT
public:
    explicit StartDialog(Forms& forms);
    static QString windowName() { return QStringLiteral("wStart"); }

    ImageControl* Image_Start_oM = nullptr;
    ImageControl* Image_Start_L = nullptr;
    ImageControl* Image_Start_R = nullptr;
    QPushButton* Command_Start_oM = nullptr;
    QPushButton* Command_Start_R = nullptr;
    QPushButton* Command_Start_L = nullptr;

    void nameControls() override;

public slots:
    void Command_Start_oM_Click();
    void Command_Start_R_Click();
    void Command_Start_L_Click();
};

} // namespace kx
