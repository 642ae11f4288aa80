#pragma once

#include "windows/forms/belt_editor.h"

namespace kx {

class ImageControl;

// woM: the editor of a belt without side modules. It shows the belt in
// front while that is a plain belt: its length and width on the bars, its
// direction, its features and its picture.
class PlainBeltEditor : public BeltEditor
{
    Q_OBJECT
public:
    explicit PlainBeltEditor(Forms& forms);
    static QString windowName() { return QStringLiteral("woM"); }

    void Form_Load() override;

    ImageControl* Image_Band_oM = nullptr;

    // Image_Band_oM shows the picture of a belt of that length and side.
    void showBeltPicture(int length, bool rightRunning);

protected:
    void setUpBelt() override;
    void showBelt() override;

private:
    void showLength();
    void userChanged();
};

} // namespace kx
