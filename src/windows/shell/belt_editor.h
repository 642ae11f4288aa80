#pragma once

#include "form.h"
#include "line_control.h"
#include "variablen.h"

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace kx {

class FocusRing;

// Where the plain editor shows its belt picture, in twips: the main window
// opens wide enough for the longest one there.
constexpr int BeltPictureLeft = 540;
constexpr int BeltPictureTop = 1080;

// Where the two editors' common controls differ, in twips.
struct BeltEditorLayout {
    int optionLinksLeft;   // in the direction frame
    int rightColumnLeft;   // of the feature check boxes 3 to 5
    int orderLineTop;      // Line_Bestell
    int orderRowTop;       // Command_Bestellnummer and Text_Bestellnummer
};

// The controls both belt editors carry: length, width, direction, features
// and the order-code row, with their design texts and states.
class BeltEditor : public Form {
    Q_OBJECT
public:
    BeltEditor(Forms& forms, const QString& name, const BeltEditorLayout& layout);

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
    std::array<QCheckBox*, FeatureCount> Check_Optional{};
    LineControl* Line_Bestell = nullptr;
    QPushButton* Command_Bestellnummer = nullptr;
    QLineEdit* Text_Bestellnummer = nullptr;

    void nameControls() override;

protected:
    // Draws the keyboard focus round the controls whose style draws none.
    FocusRing* focusRing() const { return focusRing_; }

    // The copy state of the order-code button: the clipboard receives the
    // code shown as plain text.
    void copyOrderCode() const;

private:
    FocusRing* focusRing_ = nullptr;
};

} // namespace kx
