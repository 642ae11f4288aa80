#include "message_box.h"

#include <QMessageBox>

namespace kx {

void QtMessageBox::show(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

} // namespace kx
