#pragma once

#include "windows/forms/form.h"

#include <array>

class QLabel;
class QPushButton;

namespace kx {

// wInfo: the program's name, version and contact lines beside the logo.
class InfoDialog : public Form
{
    Q_OBJECT
public:
    explicit InfoDialog(Forms& forms);
    static QString windowName() { return QStringLiteral("wInfo"); }

    QPushButton* okButton = nullptr;
    QLabel* Label_Titel = nullptr;
    // 7 is the article and version line, the others are the contact lines.
    std::array<QLabel*, 13> lines{};
    QLabel* logo = nullptr;

    static QString versionLine();

public slots:
    void closeByOk();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void focusMainWindow();
};

} // namespace kx
