#pragma once

#include <QString>

class QWidget;

namespace kx {

// Every message box of the program has one OK button and its answer is not
// used; the seam lets tests read and answer them without a modal loop. The
// informative text, when there is one, stands on a line below the text.
class MessageBoxSeam {
public:
    virtual ~MessageBoxSeam() = default;
    virtual void show(QWidget* parent, const QString& text, const QString& title,
                      const QString& informative) = 0;
};

class QtMessageBox final : public MessageBoxSeam {
public:
    void show(QWidget* parent, const QString& text, const QString& title,
              const QString& informative) override;
};

} // namespace kx
