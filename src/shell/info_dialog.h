#pragma once

#include "form.h"

class QLabel;
class QPushButton;

namespace kx {

// wInfo: the program's name, version and contact lines beside the logo.
class InfoDialog : public Form {
    Q_OBJECT
public:
    explicit InfoDialog(Forms& forms);

    QPushButton* Command1 = nullptr;
    QLabel* Label_Titel = nullptr;

public slots:
    void Command1_Click();
};

} // namespace kx
