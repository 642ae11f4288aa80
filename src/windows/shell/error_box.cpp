#include "error_box.h"

#include "forms.h"
#include "message_box.h"
#include "run_error.h"

namespace kx {

void showFailureBox(Forms& forms, QWidget* parent, const QString& procedure, const RunError& error,
                    const QString& subject)
{
    FailureReason reason = error.reason;
    if (reason.subject.isEmpty())
        reason.subject = subject;
    forms.messageBox().show(parent, procedure, QStringLiteral("Error"),
                            failureText(reason, error.number, forms.vars()));
}

} // namespace kx
