#include "windows/forms/message_box.h"

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace kx {

namespace {
// A box without an icon is only as wide as its short text and would break a
// reason after a few words; up to this many characters stand on one line.
constexpr int InformativeLineLength = 80;
} // namespace

void QtMessageBox::show(QWidget* parent, const QString& text, const QString& title,
                        const QString& informative)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    if (!informative.isEmpty()) {
        box.setInformativeText(informative);
        if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_informativelabel"))) {
            label->setTextFormat(Qt::PlainText);
            const QFontMetrics metrics = label->fontMetrics();
            label->setMinimumWidth(std::min(metrics.horizontalAdvance(informative) + 2,
                                            metrics.averageCharWidth() * InformativeLineLength));
        }
    }
    box.exec();
}

int QtMessageBox::ask(QWidget* parent, const QString& text, const QString& title,
                      const QStringList& buttons, int escapeButton)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setTextFormat(Qt::PlainText);
    // The roles put the buttons where the desktop puts them.
    QList<QPushButton*> pushButtons;
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        const QMessageBox::ButtonRole role = i == escapeButton ? QMessageBox::RejectRole
                                             : i == 0          ? QMessageBox::AcceptRole
                                                               : QMessageBox::DestructiveRole;
        pushButtons << box.addButton(buttons.at(i), role);
    }
    if (!pushButtons.isEmpty())
        box.setDefaultButton(pushButtons.constFirst());
    if (escapeButton >= 0 && escapeButton < pushButtons.size())
        box.setEscapeButton(pushButtons.at(escapeButton));
    box.exec();
    const qsizetype pressed = pushButtons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return pressed >= 0 ? int(pressed) : escapeButton;
}

} // namespace kx
