#pragma once

#include "form.h"
#include "plain_code.h"

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace kx {

class ImageControl;

// woM: the editor of a belt without side modules. The belt is the state of
// its controls; the order code and the file commands read them directly.
class PlainBeltEditor : public Form
{
    Q_OBJECT
public:
    explicit PlainBeltEditor(Forms& forms);

    void Form_Load() override;

    QLabel* Label_Bandlaenge = nullptr;
    QScrollBar* HScroll_Bandlaenge = nullptr;
    QLineEdit* Text_Bandlaenge = nullptr;
    QLabel* Label_Bandbreite = nullptr;
    QScrollBar* HScroll_Bandbreite = nullptr;
    QLineEdit* Text_Bandbreite = nullptr;
    QLabel* Label_Bandlaufrichtung = nullptr;
    QFrame* Frame_Bandlaufrichtung = nullptr;
    QRadioButton* Option_Rechts = nullptr;
    QRadioButton* Option_Links = nullptr;
    QLabel* Label_Optional = nullptr;
    std::array<QCheckBox*, PlainFeatureCount> Check_Optional{};
    // Image_Führung never gets a picture; the loader hides and shows it.
    ImageControl* Image_Führung = nullptr;
    ImageControl* Image_Band_oM = nullptr;
    QFrame* Line_Bestell = nullptr;
    QPushButton* Command_Bestellnummer = nullptr;
    QLineEdit* Text_Bestellnummer = nullptr;

    // The belt as the controls show it, with the feature codes of the language.
    PlainBelt belt() const;

public slots:
    void HScroll_Bandbreite_Change();
    void HScroll_Bandlaenge_Change();
    void Option_Rechts_Click();
    void Option_Links_Click();
    void Command_Bestellnummer_Click();

private:
    void showLength();
};

} // namespace kx
