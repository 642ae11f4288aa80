#pragma once

#include "windows/forms/form.h"

#include <vector>

class QLabel;

namespace kx {

class ImageControl;

// A separate window that shows a finished belt in pictures.
class ExampleWindow : public Form
{
    Q_OBJECT
public:
    ExampleWindow(Forms& forms, const QString& name);

protected:
    void showEvent(QShowEvent* event) override;
    // Escape hides the window, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;
    virtual void drawPictures() = 0;

private:
    bool picturesDrawn_ = false;
};

// wAnsicht_01: a belt without side modules in pictures.
class ExampleWindow1 : public ExampleWindow
{
    Q_OBJECT
public:
    explicit ExampleWindow1(Forms& forms);
    static QString windowName() { return QStringLiteral("wAnsicht_01"); }

    ImageControl* dimensionDrawing = nullptr;
    ImageControl* driveEndView = nullptr;
    ImageControl* returnEndView = nullptr;
    ImageControl* sideGuidesView = nullptr;
    ImageControl* supportLegsView = nullptr;
    QLabel* Label_Ansicht01_01 = nullptr;
    QLabel* Label_Ansicht01_02 = nullptr;
    QLabel* Label_Ansicht01_03 = nullptr;
    QLabel* Label_Ansicht01_04 = nullptr;
    QLabel* Label_Ansicht01_05 = nullptr;

protected:
    void drawPictures() override;
};

// wAnsicht_02: a belt with side modules in pictures.
class ExampleWindow2 : public ExampleWindow
{
    Q_OBJECT
public:
    explicit ExampleWindow2(Forms& forms);
    static QString windowName() { return QStringLiteral("wAnsicht_02"); }

    ImageControl* dimensionDrawing = nullptr;
    ImageControl* fromAboveView = nullptr;
    ImageControl* driveBelowView = nullptr;
    QLabel* Label_Ansicht02_01 = nullptr;
    QLabel* Label_Ansicht02_02 = nullptr;
    QLabel* Label_Ansicht02_03 = nullptr;

protected:
    void drawPictures() override;
};

} // namespace kx
