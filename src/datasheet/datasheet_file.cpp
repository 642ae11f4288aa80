#include "datasheet/datasheet_file.h"

#include "datasheet/datasheet.h"
#include "rules/run_error.h"

#include <QFileInfo>

namespace kx {

void writeDatasheet(const Belt& belt, const Wording& w, const QDate& date, const QString& path,
                    const FileCommit& commit)
{
    try {
        writeWholeFile(path, datasheetPdf(belt, w, date), commit);
    } catch (RunError& error) {
        if (error.reason.subject.isEmpty())
            error.reason.subject = QFileInfo(path).fileName();
        throw;
    }
}

} // namespace kx
