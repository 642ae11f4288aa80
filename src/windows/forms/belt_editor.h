#pragma once

#include "rules/belt.h"
#include "windows/forms/form.h"
#include "windows/forms/line_control.h"

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace kx {

class BeltDocument;
class FocusRing;

// Where the plain editor shows its belt picture, in twips: the main window
// opens wide enough for the longest one there.
constexpr int BeltPictureLeft = 540;
constexpr int BeltPictureTop = 1080;

// Where the two editors' common controls differ, in twips.
struct BeltEditorLayout
{
    int optionLinksLeft; // in the direction frame
    int rightColumnLeft; // of the feature check boxes 3 to 5
    int orderLineTop;    // Line_Bestell
    int orderRowTop;     // Command_Bestellnummer and Text_Bestellnummer
};

// The controls both belt editors carry: length, width, direction, features
// and the order-code row, with their design texts and states. An editor
// shows the belt document while the belt in front is of its kind, and
// hands what the user does with its controls to the document.
class BeltEditor : public Form
{
    Q_OBJECT
public:
    BeltEditor(Forms& forms, const QString& name, const BeltEditorLayout& layout, BeltKind kind);

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

    BeltDocument& document() const;
    // The belt in front is of this editor's kind.
    bool showsDocument() const;
    // An editor built after the belt in front was set up sets itself up.
    void Form_Load() override;

public slots:
    // The order-code button: it builds the code while its caption is not
    // the copy caption, else copies the code shown.
    void Command_Bestellnummer_Click();

protected:
    // Draws the keyboard focus round the controls whose style draws none.
    FocusRing* focusRing() const { return focusRing_; }

    // A fresh belt of this kind in front: the editor's set-up.
    virtual void setUpBelt() = 0;
    // The belt changed: its controls and pictures follow.
    virtual void showBelt() = 0;

    // While the editor puts the document on its controls, their signals
    // are not the user's changes.
    bool syncing() const { return syncing_; }
    class Syncing
    {
    public:
        explicit Syncing(BeltEditor& editor) : editor_(editor), was_(editor.syncing_)
        {
            editor_.syncing_ = true;
        }
        ~Syncing() { editor_.syncing_ = was_; }

    private:
        BeltEditor& editor_;
        bool was_;
    };

    // The order-code row as a set-up leaves it: the copy caption, the code.
    void showOrderCodeRow();
    // The features the language defines, ticked as the belt has them;
    // usable unless the belt is locked.
    void showFeatures(bool setUp);
    void showWidth();
    // Puts the controls in this order for Tab, those that take no focus
    // now included: they keep their place for when they take it.
    static void setTabChain(const QList<QWidget*>& order);
    // The length and width boxes take a typed value, or show theirs alone.
    void setValueBoxesTakeInput(bool length, bool width);
    // On a loaded belt the locked controls say why they are locked and how
    // to unlock it; the feature boxes say their codes.
    void explainLock(std::initializer_list<QWidget*> controls);

private:
    void copyOrderCode() const;
    void showCode();

    FocusRing* focusRing_ = nullptr;
    BeltKind kind_;
    bool syncing_ = false;
};

} // namespace kx
