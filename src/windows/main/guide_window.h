#pragma once

#include "windows/forms/form.h"

class QTextBrowser;

namespace kx {

// wHandbuch: the user guide of the language in use, a page shipped with the
// program (guide/<language>.html beside the text files or the program), the
// English one where a language has none.
class GuideWindow : public Form
{
    Q_OBJECT
public:
    explicit GuideWindow(Forms& forms);
    static QString windowName() { return QStringLiteral("wHandbuch"); }

    QTextBrowser* page = nullptr;

    // The guide's file for the language in use; empty when there is none.
    static QString guideFile(const Forms& forms);
    // Shows the guide of the language in use, from its top.
    void showGuide();

protected:
    // Escape closes it, as it closes a dialog.
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace kx
