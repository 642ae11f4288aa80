#include "order_code_command.h"

#include "common_dialog.h"
#include "config_file.h"
#include "file_command.h"
#include "forms.h"
#include "load_command.h"
#include "main_window.h"

#include <QClipboard>
#include <QGuiApplication>

namespace kx {

namespace {
const char* const OrderCodeProcedure = "bestellnummer_oeffnen_Click()";
// Longer than any order code: a whole e-mail pasted is offered by its end.
constexpr int OfferedLength = 255;
} // namespace

void bestellnummer_oeffnen_Click(Forms& forms)
{
    const Variablen& v = forms.vars();
    QString title = plainCaption(v.Command_Texts(CommandOpenCode));
    while (title.endsWith(QLatin1Char('.')) || title.endsWith(QChar(0x2026)))
        title.chop(1);
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QString offered =
        orderCodeText(clipboard ? clipboard->text() : QString()).right(OfferedLength);
    const std::optional<QString> text = forms.dialogs().askText(
        &forms.main(), title.trimmed(), v.Command_Texts(CommandOrderCodeLabel), offered);
    if (text)
        loadOrderCode(forms, OrderCodeProcedure, *text);
}

} // namespace kx
