#include "datasheet/datasheet.h"

#include "pictures/drawing.h"
#include "pictures/font_family.h"
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

// The size the page's two fonts are made in; every other size is this one
// scaled, as each font size made costs a font set-up of its own.
constexpr qreal FontSize = 100;

QFont pageFont(bool bold)
{
    QFont font = familyFont();
    // Without ligatures the words come back out of the PDF as typed.
    font.setStyleHint(QFont::SansSerif, QFont::PreferNoShaping);
    // Unhinted metrics scale exactly; the page is printed or zoomed anyway.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(int(FontSize));
    font.setBold(bold);
    return font;
}

// The page's text, regular or bold, at any size.
class PageText
{
public:
    explicit PageText(QPainter& painter) : painter_(painter) {}

    qreal lineHeight(qreal size, bool bold) const
    {
        return (bold ? boldMetrics_ : regularMetrics_).height() * size / FontSize;
    }
    qreal advance(const QString& text, qreal size, bool bold) const
    {
        return (bold ? boldMetrics_ : regularMetrics_).horizontalAdvance(text) * size / FontSize;
    }

    // Draws the text into the rectangle; returns the rectangle it took.
    QRectF draw(const QRectF& area, int flags, const QString& text, qreal size, bool bold)
    {
        const qreal scale = size / FontSize;
        painter_.save();
        painter_.scale(scale, scale);
        painter_.setFont(bold ? bold_ : regular_);
        QRectF used;
        painter_.drawText(QRectF(area.topLeft() / scale, area.size() / scale), flags, text, &used);
        painter_.restore();
        return QRectF(used.topLeft() * scale, used.size() * scale);
    }

    // Draws lines of text from the top of the rectangle, wrapped at its
    // width; returns the height used.
    qreal drawLines(const QRectF& area, const QStringList& lines, qreal size, bool bold = false)
    {
        qreal y = area.top();
        for (const QString& line : lines) {
            const QRectF used =
                draw(QRectF(area.left(), y, area.width(), 10000),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line, size, bold);
            y += qMax(used.height(), lineHeight(size, bold));
        }
        return y - area.top();
    }

private:
    QPainter& painter_;
    const QFont regular_ = pageFont(false);
    const QFont bold_ = pageFont(true);
    const QFontMetricsF regularMetrics_{regular_};
    const QFontMetricsF boldMetrics_{bold_};
};

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

    PageText text(painter);

    // Heading: the program's name and the sheet's title, the date below.
    const qreal titleHeight = text.lineHeight(TitleSize, true);
    text.draw(QRectF(0, 0, width, titleHeight), Qt::AlignLeft | Qt::AlignVCenter,
              QString::fromLatin1(ProgramName), TitleSize, true);
    text.draw(QRectF(0, 0, width, titleHeight), Qt::AlignRight | Qt::AlignVCenter,
              word(DatasheetTitle), TitleSize, false);
    qreal y = titleHeight + 10;
    y += text.drawLines(QRectF(0, y, width, 0),
                        {word(DatasheetDate) + QStringLiteral(": ") + datasheetDate(date, w)},
                        SmallSize);
    y += 20;
    painter.setPen(QPen(ink, 4));
    painter.drawLine(QPointF(0, y), QPointF(width, y));
    y += Gap;

    // The order code, large, shrunk to the page width if need be.
    painter.setPen(ink);
    y += text.drawLines(QRectF(0, y, width, 0), {word(DatasheetOrderCode)}, SmallSize);
    qreal codeSize = CodeSize;
    const qreal codeWidth = text.advance(facts.orderCode, CodeSize, true);
    if (codeWidth > width)
        codeSize = qMax(1, int(CodeSize * width / codeWidth));
    const qreal codeHeight = text.lineHeight(codeSize, true);
    text.draw(QRectF(0, y, width, codeHeight), Qt::AlignLeft | Qt::AlignVCenter, facts.orderCode,
              codeSize, true);
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
            rows.append(
                {word(DatasheetDrive),
                 {QString(word(DatasheetDriveUnder)).replace(QStringLiteral("%1"), facts.drive)}});
    }
    painter.setPen(QPen(QColor(0xb0, 0xb0, 0xb0), 2));
    painter.drawLine(QPointF(0, y), QPointF(width, y));
    for (const auto& [label, values] : rows) {
        y += 15;
        painter.setPen(ink);
        const qreal labelHeight =
            text.drawLines(QRectF(0, y, LabelColumn - 20, 0), {label}, TableSize, true);
        const qreal valueHeight =
            text.drawLines(QRectF(LabelColumn, y, width - LabelColumn, 0), values, TableSize);
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
