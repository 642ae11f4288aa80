#include "text_pass.h"

#include "forms.h"
#include "run_error.h"

#include <QFile>

namespace kx {

void runTextPass(Forms& forms)
{
    Variablen& v = forms.vars();
    QFile file(forms.programFile(v.Ini_File_Name));
    if (!file.exists())
        throw RunError(RunError::FileNotFound);
    if (!file.open(QIODevice::ReadOnly))
        throw RunError(RunError::PathFileAccess);
    const QList<QByteArray> lines = file.readAll().split('\n');
    v.Ini_Line_Index = 0;
    for (const QByteArray& line : lines) {
        v.Ini_Lines[v.Ini_Line_Index] = QString::fromLatin1(line).remove(QLatin1Char('\r'));
        v.Ini_Line_Index += 1;
    }
}

} // namespace kx
