#include "windows/forms/error_box.h"

#include "rules/run_error.h"
#include "windows/forms/forms.h"
#include "windows/forms/message_box.h"

namespace kx {

void showFailureBox(Forms& forms, QWidget* parent, const QString& procedure, const RunError& error,
                    const QString& subject)
{
    FailureReason reason = error.reason;
    if (reason.subject.isEmpty())
        reason.subject = subject;
    forms.messageBox().show(parent, procedure, QStringLiteral("Error"),
                            failureText(reason, error.number, forms.wording().failures));
}

} // namespace kx
