#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace kx {

// The program's message boxes: a box with one OK button whose answer is
// not used, and a question. The seam lets tests read and answer them without
// a modal loop. The informative text, when there is one, stands on a line
// below the text.
class MessageBoxSeam
{
public:
    virtual ~MessageBoxSeam() = default;
    virtual void show(QWidget* parent, const QString& text, const QString& title,
                      const QString& informative) = 0;
    // The index of the button pressed. The first button is the one Return
    // presses; Escape and closing the box press escapeButton.
    virtual int ask(QWidget* parent, const QString& text, const QString& title,
                    const QStringList& buttons, int escapeButton) = 0;
};

class QtMessageBox final : public MessageBoxSeam
{
public:
    void show(QWidget* parent, const QString& text, const QString& title,
              const QString& informative) override;
    int ask(QWidget* parent, const QString& text, const QString& title, const QStringList& buttons,
            int escapeButton) override;
};

} // namespace kx
