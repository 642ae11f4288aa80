#pragma once

#include "belt_editor.h"
#include "plain_code.h"

namespace kx {

class ImageControl;

// woM: the editor of a belt without side modules. The belt is the state of
// its controls; the order code and the file commands read them directly.
class PlainBeltEditor : public BeltEditor
{
    Q_OBJECT
public:
    explicit PlainBeltEditor(Forms& forms);
    static QString windowName() { return QStringLiteral("woM"); }

    void Form_Load() override;

    // Image_Führung never gets a picture; the loader hides and shows it.
    ImageControl* Image_Führung = nullptr;
    ImageControl* Image_Band_oM = nullptr;

    // The belt as the controls show it, with the feature codes of the language.
    PlainBelt belt() const;
    // Image_Band_oM shows Picture_oM<length><side>.
    void showBeltPicture(int length, QChar side);

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
