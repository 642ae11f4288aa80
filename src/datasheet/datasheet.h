#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

class QPainter;

namespace kx {

struct Belt;
struct Wording;

// The date as the language file's locale writes it in full; ISO for a file
// that names no locale.
QString datasheetDate(const QDate& date, const Wording& w);

// One A4 page for the customer, in the words of the [DATENBLATT] section:
// the code, the belt drawn with its running direction, a table of its kind,
// length, width, direction, features and, for a belt with side modules,
// its pieces and the drive.
void paintDatasheet(QPainter& painter, const Belt& belt, const Wording& w, const QDate& date);

// A belt with side modules needs a piece for its datasheet: a page of
// length 0 mm describes no belt. Throws RunError whose reason names subject.
void requireDatasheetBelt(const Belt& belt, const QString& subject);

// The page as a PDF document; throws RunError when it cannot be made.
QByteArray datasheetPdf(const Belt& belt, const Wording& w, const QDate& date);

} // namespace kx
