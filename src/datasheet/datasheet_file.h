#pragma once

#include "rules/text_files.h"

class QDate;
class QString;

namespace kx {

struct Belt;
struct Wording;

// Writes the belt's datasheet to a PDF file, replaced whole or not at all;
// throws RunError whose reason names the file.
void writeDatasheet(const Belt& belt, const Wording& w, const QDate& date, const QString& path,
                    const FileCommit& commit = {});

} // namespace kx
