#include "windows/file_commands/order_code_command.h"

#include "rules/belt_file.h"
#include "rules/wording.h"
#include "windows/file_commands/file_command.h"
#include "windows/file_commands/load_command.h"
#include "windows/forms/common_dialog.h"
#include "windows/forms/forms.h"

#include <QClipboard>
#include <QGuiApplication>

namespace kx {

namespace {
const char* const OrderCodeProcedure = "bestellnummer_oeffnen_Click()";
} // namespace

void openOrderCode(Forms& forms, QWidget* parent)
{
    const Wording& w = forms.wording();
    const QString title = dialogTitle(w.commands[CommandOpenCode]);
    const QClipboard* clipboard = QGuiApplication::clipboard();
    // An e-mail pasted whole offers the code it holds.
    const QString offered = orderCodeText(clipboard ? clipboard->text() : QString());
    const std::optional<QString> text =
        forms.dialogs().askText(parent, title, w.commands[CommandOrderCodeLabel], offered);
    if (text)
        loadOrderCode(forms, parent, OrderCodeProcedure, *text);
}

} // namespace kx
