#include "datasheet/datasheet.h"

#include "pictures/drawing.h"
#include "rules/belt.h"
#include "rules/drive.h"
#include "rules/order_code.h"
#include "rules/run_error.h"
#include "rules/wording.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

namespace kx {

namespace {

const char* const ProgramName = "KX-Konfigurator";

// What the page tells of a belt, in the words of the language in use.
struct Facts
{
    QString orderCode;
    QString length; // in mm
    QString width;
    QStringList features; // the captions of the chosen features
    QStringList pieces;   // "Module C, position 3", one a piece
    QString drive;        // the piece the drive sits under, worded as above
};

Facts factsOf(const Belt& belt, const Wording& w)
{
    Facts facts;
    facts.orderCode = orderCode(belt, w.featureCodes());
    facts.length = QString::number(belt.lengthMm());
    facts.width = QString::number(belt.width);
    const FeatureList& features = w.features(belt.kind);
    for (int i = 0; i < features.count && i < FeatureCount; ++i)
        if (belt.features[std::size_t(i)])
            facts.features << plainCaption(features.captions[std::size_t(i)]);
    for (std::size_t k = 0; k < belt.pieces.size(); ++k)
        facts.pieces << w.pieceAt(belt.pieces[k], int(k));
    if (const std::optional<int> drive = drivePosition(belt.pieces))
        facts.drive = facts.pieces.value(*drive);
    return facts;
}

// Page geometry in tenths of a millimetre.
constexpr qreal TitleSize = 60;
constexpr qreal SmallSize = 32;
constexpr qreal CodeSize = 100;
constexpr qreal TableSize = 38;
constexpr qreal LabelColumn = 520;
constexpr qreal Gap = 40;
constexpr qreal MaxPicture = 700;

QFont pageFont(qreal size, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    // Without ligatures the words come back out of the PDF as typed.
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    font.setPixelSize(qMax(1, qRound(size)));
    font.setBold(bold);
    return font;
}

// Draws lines of text from the top of the rectangle, wrapped at its width;
// returns the height used.
qreal drawLines(QPainter& painter, const QRectF& area, const QStringList& lines)
{
    qreal y = area.top();
    for (const QString& line : lines) {
        const QRectF room(area.left(), y, area.width(), 10000);
        QRectF used;
        painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line, &used);
        y += qMax(used.height(), QFontMetricsF(painter.font()).height());
    }
    return y - area.top();
}

} // namespace

QString datasheetDate(const QDate& date, const Wording& w)
{
    // A language file that does not name its language gets a date any
    // reader can tell.
    const QString locale = w.locale[LocaleName].trimmed();
    return locale.isEmpty() ? date.toString(Qt::ISODate)
                            : QLocale(locale).toString(date, QLocale::LongFormat);
}

void paintDatasheet(QPainter& painter, const Belt& belt, const Wording& w, const QDate& date)
{
    const Facts facts = factsOf(belt, w);
    const auto word = [&w](DatasheetText line) { return w.datasheet[line]; };
    QPaintDevice* device = painter.device();
    const qreal unit = device->logicalDpiX() / 254.0;
    painter.save();
    painter.scale(unit, unit);
    const qreal width = device->width() / unit;
    const QColor ink(0x20, 0x20, 0x20);
    painter.setPen(ink);

    // Heading: the program's name and the sheet's title, the date below.
    painter.setFont(pageFont(TitleSize, true));
    const qreal titleHeight = QFontMetricsF(painter.font()).height();
    painter.drawText(QRectF(0, 0, width, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::fromLatin1(ProgramName));
    painter.setFont(pageFont(TitleSize));
    painter.drawText(QRectF(0, 0, width, titleHeight), Qt::AlignRight | Qt::AlignVCenter,
                     word(DatasheetTitle));
    qreal y = titleHeight + 10;
    painter.setFont(pageFont(SmallSize));
    y += drawLines(painter, QRectF(0, y, width, 0),
                   {word(DatasheetDate) + QStringLiteral(": ") + datasheetDate(date, w)});
    y += 20;
    painter.setPen(QPen(ink, 4));
    painter.drawLine(QPointF(0, y), QPointF(width, y));
    y += Gap;

    // The order code, large, shrunk to the page width if need be.
    painter.setPen(ink);
    painter.setFont(pageFont(SmallSize));
    y += drawLines(painter, QRectF(0, y, width, 0), {word(DatasheetOrderCode)});
    QFont codeFont = pageFont(CodeSize, true);
    const qreal codeWidth = QFontMetricsF(codeFont).horizontalAdvance(facts.orderCode);
    if (codeWidth > width)
        codeFont.setPixelSize(qMax(1, int(CodeSize * width / codeWidth)));
    painter.setFont(codeFont);
    const qreal codeHeight = QFontMetricsF(codeFont).height();
    painter.drawText(QRectF(0, y, width, codeHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     facts.orderCode);
    y += codeHeight + Gap;

    // The belt as vectors, with the arrow of its running direction, as wide
    // as the page unless that made it too tall.
    BeltLook look;
    look.rightRunning = belt.rightRunning;
    look.plainLength = belt.length;
    look.pieces = belt.pieces;
    // A belt with modules but no piece yet has nothing to draw.
    const bool drawn = !belt.modular() || !belt.pieces.empty();
    const QSizeF own = drawn ? QSizeF(beltDrawing(look).size()) : QSizeF();
    if (!own.isEmpty()) {
        const qreal height = qMin(width * own.height() / own.width(), MaxPicture);
        paintBelt(painter, QRectF(0, y, width, height), look);
        y += height + 30;
    }
    y += Gap;

    // The table of the belt.
    const QString direction = belt.rightRunning ? word(DatasheetRight) : word(DatasheetLeft);
    QList<QPair<QString, QStringList>> rows{
        {word(DatasheetKind), {belt.modular() ? word(DatasheetModular) : word(DatasheetPlain)}},
        {word(DatasheetLength), {facts.length + QStringLiteral(" mm")}},
        {word(DatasheetWidth), {facts.width + QStringLiteral(" mm")}},
        {word(DatasheetDirection), {direction}},
        {word(DatasheetFeatures),
         facts.features.isEmpty() ? QStringList{word(DatasheetNone)} : facts.features}};
    if (belt.modular()) {
        rows.append({word(DatasheetPieces),
                     facts.pieces.isEmpty() ? QStringList{word(DatasheetNone)} : facts.pieces});
        if (!facts.drive.isEmpty())
            rows.append({word(DatasheetDrive),
                         {QString(word(DatasheetDriveUnder)).replace(QStringLiteral("%1"),
                                                                     facts.drive)}});
    }
    painter.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 2));
    painter.drawLine(QPointF(0, y), QPointF(width, y));
    for (const auto& [label, values] : rows) {
        y += 15;
        painter.setPen(ink);
        painter.setFont(pageFont(TableSize, true));
        const qreal labelHeight =
            drawLines(painter, QRectF(0, y, LabelColumn - 20, 0), {label});
        painter.setFont(pageFont(TableSize));
        const qreal valueHeight =
            drawLines(painter, QRectF(LabelColumn, y, width - LabelColumn, 0), values);
        y += qMax(labelHeight, valueHeight) + 15;
        painter.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 2));
        painter.drawLine(QPointF(0, y), QPointF(width, y));
    }
    painter.restore();
}

void requireDatasheetBelt(const Belt& belt, const QString& subject)
{
    constexpr int InvalidProcedureCall = 5;
    if (belt.modular() && belt.pieces.empty())
        throw failure(InvalidProcedureCall, FailDatasheetNoPieces, subject);
}

QByteArray datasheetPdf(const Belt& belt, const Wording& w, const QDate& date)
{
    requireDatasheetBelt(belt, QString());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageOrientation(QPageLayout::Portrait);
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(600);
        writer.setCreator(QString::fromLatin1(ProgramName));
        writer.setTitle(w.datasheet[DatasheetTitle] + QStringLiteral(" ") +
                        orderCode(belt, w.featureCodes()));
        QPainter painter;
        if (!painter.begin(&writer))
            throw failure(RunError::PathFileAccess, FailNotWritten, QString());
        painter.setRenderHint(QPainter::Antialiasing);
        paintDatasheet(painter, belt, w, date);
        if (!painter.end())
            throw failure(RunError::PathFileAccess, FailNotWritten, QString());
    }
    return buffer.data();
}

} // namespace kx
