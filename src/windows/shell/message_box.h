#pragma once

#include <QString>

class QWidget;

namespace kx {

// Every message box of the program has one OK button and its answer is not
// used; the seam lets tests read and answer them without a modal loop.
class MessageBoxSeam {
public:
    virtual ~MessageBoxSeam() = default;
    virtual void show(QWidget* parent, const QString& text, const QString& title) = 0;
};

class QtMessageBox final : public MessageBoxSeam {
public:
    void show(QWidget* parent, const QString& text, const QString& title) override;
};

} // namespace kx
