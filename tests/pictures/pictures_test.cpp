#include "pictures/drawing.h"
#include "pictures/drawings.h"
#include "pictures/picture_store.h"
#include "pictures/program_icons.h"
#include "pictures/scene3d.h"
#include "rules/type_codes.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>

using namespace kx;
using namespace Qt::StringLiterals;

class PicturesTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void sizes_data();
    void sizes();
    void applicationIconSizes();
    void applicationIconPictureAlone_data();
    void applicationIconPictureAlone();
    void themeIcons_data();
    void themeIcons();
    void toolbarIconsCarryEveryRatio();
    void viewFillsPicture_data();
    void viewFillsPicture();
    void piecesAndVariantsDiffer();
    void lettersTellPiecesApart();
    void mirrorPairs_data();
    void mirrorPairs();
    void toolbarsMirror();
    void rowReadsAsOneBelt_data();
    void rowReadsAsOneBelt();
    void plainBeltFollowsDirection();
    void startPicturesDrawnTogether_data();
    void startPicturesDrawnTogether();
    void startPicturesFromTheBuild_data();
    void startPicturesFromTheBuild();
    void beltPictureNames_data();
    void beltPictureNames();
    void beltOntoAnyPainter_data();
    void beltOntoAnyPainter();
    void unknownPicturesFail();

private:
    std::map<qreal, std::unique_ptr<ModulePictureStore>> modules_;
    std::map<qreal, std::unique_ptr<BeltPictureStore>> belts_;
};

namespace {
const int BeltWidthsL[] = {180, 240, 300, 360, 420, 480, 540, 600, 738, 738, 886, 886, 945};
const int BeltWidthsR[] = {180, 240, 300, 360, 420, 480, 540, 600, 738, 886, 886, 886, 945};

QImage imageOf(const QPixmap& pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// A drawing, not a blank or single-coloured placeholder.
bool hasDrawing(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            colours.insert(image.pixel(x, y));
    return colours.size() > 8;
}

// Two columns of pixels that differ at most by rounding.
bool sameColumn(const QImage& a, int ax, const QImage& b, int bx)
{
    if (a.height() != b.height())
        return false;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb p = a.pixel(ax, y), q = b.pixel(bx, y);
        if (std::abs(qRed(p) - qRed(q)) > 2 || std::abs(qGreen(p) - qGreen(q)) > 2 ||
            std::abs(qBlue(p) - qBlue(q)) > 2 || std::abs(qAlpha(p) - qAlpha(q)) > 2)
            return false;
    }
    return true;
}
} // namespace

void PicturesTest::initTestCase()
{
    for (const qreal ratio : {1.0, 2.0}) {
        modules_[ratio] = std::make_unique<ModulePictureStore>(ratio);
        belts_[ratio] = std::make_unique<BeltPictureStore>(ratio);
    }
}

void PicturesTest::sizes_data()
{
    QTest::addColumn<QPixmap>("picture");
    QTest::addColumn<QSize>("logical");
    QTest::addColumn<qreal>("ratio");

    for (const qreal ratio : {1.0, 2.0}) {
        const ModulePictureStore& modules = *modules_[ratio];
        const BeltPictureStore& belts = *belts_[ratio];
        const auto row = [ratio](const QString& name) -> QTestData& {
            return QTest::newRow(qPrintable(QStringLiteral("%1 @%2").arg(name).arg(ratio)));
        };
        for (int index = 0; index < 33; ++index)
            row(QStringLiteral("Picture_M(%1)").arg(index))
                << modules.Picture_M(index) << (index < 24 ? QSize(90, 48) : QSize(60, 48))
                << ratio;
        row(QStringLiteral("Picture_Antrieb"))
            << modules.Picture_Antrieb() << QSize(60, 48) << ratio;
        for (int i = 0; i < 13; ++i) {
            const int length = 300 + 100 * i;
            row(QStringLiteral("Picture_oM%1L").arg(length))
                << belts.Picture_oM(length, QLatin1Char('L')) << QSize(BeltWidthsL[i], 72) << ratio;
            row(QStringLiteral("Picture_oM%1R").arg(length))
                << belts.Picture_oM(length, QLatin1Char('R')) << QSize(BeltWidthsR[i], 72) << ratio;
        }
        row(QStringLiteral("Picture_Start_L"))
            << belts.picture(QStringLiteral("Picture_Start_L")) << QSize(295, 125) << ratio;
        row(QStringLiteral("Picture_Start_R"))
            << belts.picture(QStringLiteral("Picture_Start_R")) << QSize(295, 127) << ratio;
        row(QStringLiteral("Picture_Start_oM"))
            << belts.picture(QStringLiteral("Picture_Start_oM")) << QSize(295, 107) << ratio;
        for (const bool right : {true, false})
            for (int piece = 0; piece < 7; ++piece)
                row(QStringLiteral("toolbar %1 %2").arg(right ? u"R"_s : u"L"_s).arg(piece))
                    << toolbarPicture(right, piece, ratio) << QSize(24, 22) << ratio;
        for (const int window : {1, 2})
            row(QStringLiteral("example drawing %1").arg(window))
                << exampleDrawing(window, ratio) << QSize(413, 118) << ratio;
        for (int index = 1; index <= 4; ++index)
            row(QStringLiteral("example view 1/%1").arg(index))
                << exampleView(1, index, ratio) << QSize(205, 154) << ratio;
        for (int index = 1; index <= 2; ++index)
            row(QStringLiteral("example view 2/%1").arg(index))
                << exampleView(2, index, ratio) << QSize(205, 154) << ratio;
        row(QStringLiteral("info logo")) << infoLogo(ratio) << QSize(125, 549) << ratio;
    }
}

void PicturesTest::sizes()
{
    QFETCH(QPixmap, picture);
    QFETCH(QSize, logical);
    QFETCH(qreal, ratio);
    QCOMPARE(picture.deviceIndependentSize().toSize(), logical);
    QCOMPARE(picture.devicePixelRatio(), ratio);
    QCOMPARE(picture.size(), logical * ratio);
    QVERIFY(hasDrawing(imageOf(picture)));
}

void PicturesTest::applicationIconSizes()
{
    const QIcon icon = applicationIcon();
    QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    QCOMPARE(icon.pixmap(QSize(32, 32), 2.0).size(), QSize(64, 64));
    QVERIFY(hasDrawing(icon.pixmap(QSize(32, 32), 1.0).toImage()));
}

void PicturesTest::applicationIconPictureAlone_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QIcon::Mode>("mode");
    for (const int side : {16, 32, 24})
        for (const qreal ratio : {1.0, 2.0})
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled})
                QTest::addRow("%d at %.0f, mode %d", side, ratio, int(mode))
                    << side << ratio << mode;
}

// A fresh icon asked for one size draws that picture alone; it must show what
// the fully drawn icon shows.
void PicturesTest::applicationIconPictureAlone()
{
    QFETCH(int, side);
    QFETCH(qreal, ratio);
    QFETCH(QIcon::Mode, mode);
    const QSize size(side, side);
    QImage alone;
    {
        const QIcon fresh = applicationIcon();
        alone = imageOf(fresh.pixmap(size, ratio, mode));
    }
    const QIcon whole = applicationIcon();
    QVERIFY(whole.availableSizes().contains(QSize(32, 32)));
    QCOMPARE(alone, imageOf(whole.pixmap(size, ratio, mode)));
    QVERIFY(hasDrawing(alone));
}

void PicturesTest::themeIcons_data()
{
    QTest::addColumn<int>("pixels");
    for (const int pixels : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%d", pixels) << pixels;
}

void PicturesTest::themeIcons()
{
    QFETCH(int, pixels);
    const QImage image = applicationIconImage(pixels);
    QCOMPARE(image.size(), QSize(pixels, pixels));
    QCOMPARE(image.devicePixelRatio(), 1.0);
    // A rounded tile: clear corners, a solid middle, a drawing on it.
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(pixels - 1, pixels - 1)), 0);
    QCOMPARE(qAlpha(image.pixel(pixels / 2, pixels / 2)), 255);
    QVERIFY(hasDrawing(image));
    // The theme shows the same drawing as the window's own icon.
    if (pixels == 16 || pixels == 32)
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 imageOf(applicationIcon().pixmap(QSize(pixels, pixels), 1.0)));
}

void PicturesTest::toolbarIconsCarryEveryRatio()
{
    // A high-density screen gets a picture drawn for it, not a scaled one.
    for (const bool right : {true, false})
        for (int piece = 0; piece < 7; ++piece) {
            const QIcon icon = toolbarIcon(right, piece);
            for (const qreal ratio : {1.0, 2.0}) {
                const QPixmap shown = icon.pixmap(QSize(24, 22), ratio);
                QCOMPARE(shown.size(), QSize(24, 22) * ratio);
                QCOMPARE(imageOf(shown), imageOf(toolbarPicture(right, piece, ratio)));
            }
        }
}

void PicturesTest::viewFillsPicture_data()
{
    QTest::addColumn<float>("yaw");
    QTest::addColumn<float>("pitch");
    QTest::addColumn<QVector3D>("low");
    QTest::addColumn<QVector3D>("high");
    QTest::newRow("long belt") << 25.0f << 20.0f << QVector3D(0, 0, -2) << QVector3D(10, 1, 0.3f);
    QTest::newRow("from the other end")
        << -40.0f << 30.0f << QVector3D(0, 0, -2) << QVector3D(10, 1, 0.3f);
    QTest::newRow("tall detail") << 50.0f << 10.0f << QVector3D(0, 0, -2) << QVector3D(1, 1, 0.5f);
    QTest::newRow("from above") << 0.0f << 89.0f << QVector3D(-1, -1, -1) << QVector3D(1, 1, 1);
}

void PicturesTest::viewFillsPicture()
{
    // The focus box fills the picture within the margin, centred.
    QFETCH(float, yaw);
    QFETCH(float, pitch);
    QFETCH(QVector3D, low);
    QFETCH(QVector3D, high);
    draw::Camera camera;
    camera.yaw = yaw;
    camera.pitch = pitch;
    camera.focusMin = low;
    camera.focusMax = high;
    camera.margin = 0.1f;
    const QSizeF size(205, 154);
    const draw::Projection projection(camera, size);
    qreal left = 1e9, right = -1e9, top = 1e9, bottom = -1e9;
    for (int corner = 0; corner < 8; ++corner) {
        const QPointF p = projection.map(QVector3D((corner & 1) ? high.x() : low.x(),
                                                   (corner & 2) ? high.y() : low.y(),
                                                   (corner & 4) ? high.z() : low.z()));
        left = std::min(left, p.x());
        right = std::max(right, p.x());
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    const QRectF bounds(QPointF(left, top), QPointF(right, bottom));
    const QRectF inner(20.5, 15.4, 164, 123.2);
    QVERIFY(inner.adjusted(-0.01, -0.01, 0.01, 0.01).contains(bounds));
    QVERIFY(qAbs(bounds.width() - inner.width()) < 0.01 ||
            qAbs(bounds.height() - inner.height()) < 0.01);
    QVERIFY(qAbs(bounds.center().x() - 102.5) < 0.01);
    QVERIFY(qAbs(bounds.center().y() - 77) < 0.01);
    // Nearer means larger depth: the viewer looks from the low y side.
    QVERIFY(projection.depth(QVector3D(0, -5, 0)) > projection.depth(QVector3D(0, 5, 0)));
}

void PicturesTest::piecesAndVariantsDiffer()
{
    const ModulePictureStore& modules = *modules_[1.0];
    // Every piece looks different, and each of its marks differs from the
    // plain picture and from the other mark.
    QList<QImage> plain;
    for (int code = 0; code <= 30; code += 3) {
        const QImage image = imageOf(modules.Picture_M(code));
        for (const QImage& other : std::as_const(plain))
            QVERIFY2(image != other, qPrintable(QString::number(code)));
        plain.append(image);
        const QImage grey = imageOf(modules.Picture_M(code + 1));
        const QImage red = imageOf(modules.Picture_M(code + 2));
        QVERIFY(grey != image);
        QVERIFY(red != image);
        QVERIFY(red != grey);
    }
    for (int piece = 0; piece < 7; ++piece)
        for (int other = 0; other < piece; ++other)
            QVERIFY(toolbarPicture(true, piece, 1).toImage() !=
                    toolbarPicture(true, other, 1).toImage());
}

// Each piece and each toolbar icon shows its letters (AG, AC, G, C, V, EG,
// EV) on a plate of their own: the pieces differ by more than a thin line.
void PicturesTest::lettersTellPiecesApart()
{
    const ModulePictureStore& modules = *modules_[1.0];
    QList<QImage> plates;
    for (const int code : {0, 3, 12, 15, 24, 27, 30}) {
        const QImage picture = imageOf(modules.Picture_M(code));
        QImage body(picture.size(), QImage::Format_ARGB32_Premultiplied);
        body.fill(Qt::transparent);
        QPainter painter(&body);
        painter.setRenderHint(QPainter::Antialiasing);
        paintPiece(painter, code, 0, PieceLayers::Body);
        painter.end();
        const QRect plate = pieceLettersRect(code).toAlignedRect();
        int outside = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                outside += !plate.contains(x, y) && picture.pixel(x, y) != body.pixel(x, y);
        QCOMPARE(outside, 0);
        QVERIFY(picture.copy(plate) != body.copy(plate));
        plates.append(picture.copy(plate));
        QVERIFY(!pieceLetters(code).isEmpty());
    }
    QList<QImage> iconLetters;
    for (int piece = 0; piece < 7; ++piece)
        iconLetters.append(imageOf(toolbarPicture(true, piece, 1)).copy(0, 0, 24, 12));
    for (const QList<QImage>& set : {plates, iconLetters})
        for (qsizetype i = 0; i < set.size(); ++i)
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY2(set[i] != set[j], qPrintable(QStringLiteral("%1 %2").arg(i).arg(j)));
}

void PicturesTest::mirrorPairs_data()
{
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("left");
    QTest::addColumn<qreal>("ratio");
    for (const qreal ratio : {1.0, 2.0})
        for (const int code : {0, 3, 12, 15})
            for (int variant = 0; variant < 3; ++variant)
                QTest::addRow("%d/%d @%g", code + variant, code + 6 + variant, ratio)
                    << code + variant << code + 6 + variant << ratio;
}

// A left-running piece is its right-running twin mirrored, but for its
// letters, which read the same on both.
void PicturesTest::mirrorPairs()
{
    QFETCH(int, right);
    QFETCH(int, left);
    QFETCH(qreal, ratio);
    const ModulePictureStore& modules = *modules_[ratio];
    const QImage twin = imageOf(modules.Picture_M(right));
    const auto onDevice = [ratio](const QRectF& logical) {
        return QRectF(logical.topLeft() * ratio, logical.size() * ratio).toAlignedRect();
    };
    const int leftCode = left - left % 3;
    const int rightCode = right - right % 3;
    const QRect letters = onDevice(pieceLettersRect(leftCode));
    const QRect twinLetters = onDevice(pieceLettersRect(rightCode));
    QCOMPARE(letters.size(), twinLetters.size());
    QImage expected = twin.mirrored(true, false);
    QImage plate = twin.copy(twinLetters);
    // Device pixels on both sides.
    expected.setDevicePixelRatio(1);
    plate.setDevicePixelRatio(1);
    QPainter painter(&expected);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(letters.topLeft(), plate);
    painter.end();
    expected.setDevicePixelRatio(ratio);
    QCOMPARE(imageOf(modules.Picture_M(left)), expected);
    QCOMPARE(pieceLetters(leftCode), pieceLetters(rightCode));
}

void PicturesTest::toolbarsMirror()
{
    // The left-running bar holds the right-running ends mirrored, in the
    // other order, and the same middle modules; the letters above each piece
    // read the same on both bars.
    const int twin[] = {5, 6, 2, 3, 4, 0, 1};
    for (const qreal ratio : {1.0, 2.0})
        for (int piece = 0; piece < 7; ++piece) {
            const QImage right = imageOf(toolbarPicture(true, piece, ratio));
            const QImage left = imageOf(toolbarPicture(false, twin[piece], ratio));
            const int lettersEnd = int(12 * ratio);
            QCOMPARE(left.copy(0, 0, left.width(), lettersEnd),
                     right.copy(0, 0, right.width(), lettersEnd));
            const QImage body = right.copy(0, lettersEnd, right.width(), right.height());
            QCOMPARE(left.copy(0, lettersEnd, left.width(), left.height()),
                     piece >= 2 && piece <= 4 ? body : body.mirrored(true, false));
        }
}

void PicturesTest::rowReadsAsOneBelt_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("@1") << 1.0;
    QTest::newRow("@2") << 2.0;
}

void PicturesTest::rowReadsAsOneBelt()
{
    // Pieces placed flush meet without a step: every edge where a piece
    // continues looks the same, whichever piece it belongs to.
    QFETCH(qreal, ratio);
    const ModulePictureStore& modules = *modules_[ratio];
    const QImage reference = imageOf(modules.Picture_M(24));
    const int last = reference.width() - 1;
    const auto meetsOnRight = [&](int index) {
        const QImage image = imageOf(modules.Picture_M(index));
        return sameColumn(image, image.width() - 1, reference, last);
    };
    const auto meetsOnLeft = [&](int index) {
        return sameColumn(imageOf(modules.Picture_M(index)), 0, reference, last);
    };
    for (const int index : {0, 3, 6 + 12, 6 + 15, 27, 30})
        QVERIFY2(meetsOnRight(index), qPrintable(QString::number(index)));
    for (const int index : {12, 15, 6, 9, 24, 27, 30})
        QVERIFY2(meetsOnLeft(index), qPrintable(QString::number(index)));
}

void PicturesTest::plainBeltFollowsDirection()
{
    const BeltPictureStore& belts = *belts_[1.0];
    for (int length = 300; length <= 1500; length += 100)
        QVERIFY(imageOf(belts.Picture_oM(length, QLatin1Char('L'))) !=
                imageOf(belts.Picture_oM(length, QLatin1Char('R'))));
    QVERIFY(imageOf(belts.picture(QStringLiteral("Picture_Start_L"))) !=
            imageOf(belts.picture(QStringLiteral("Picture_Start_R"))).copy(0, 1, 295, 125));
}

void PicturesTest::startPicturesDrawnTogether_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1") << 1.0;
    QTest::newRow("2") << 2.0;
    QTest::newRow("1.5, drawn apart") << 1.5;
}

// The two running directions drawn from one row look as each drawn alone.
void PicturesTest::startPicturesDrawnTogether()
{
    QFETCH(qreal, ratio);
    const ModularStartPictures both = drawModularStartPictures(ratio);
    // Mirrored anti-aliasing may round a few edge pixels apart, no more.
    const auto closeTo = [](const QPixmap& together, StartPicture kind, qreal r) {
        const QImage a = imageOf(together);
        const QImage b = imageOf(drawStartPicture(kind, r));
        if (a.size() != b.size() || a.devicePixelRatio() != b.devicePixelRatio())
            return false;
        int apart = 0;
        for (int y = 0; y < a.height(); ++y) {
            const auto* p = reinterpret_cast<const uchar*>(a.constScanLine(y));
            const auto* q = reinterpret_cast<const uchar*>(b.constScanLine(y));
            for (int i = 0; i < a.width() * 4; ++i) {
                const int d = std::abs(int(p[i]) - int(q[i]));
                if (d > 16)
                    return false;
                apart += d > 2;
            }
        }
        return apart < a.width() * a.height() * 4 / 200;
    };
    QVERIFY(closeTo(both.rightRunning, StartPicture::RightRunning, ratio));
    QVERIFY(closeTo(both.leftRunning, StartPicture::LeftRunning, ratio));
}

void PicturesTest::startPicturesFromTheBuild_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("1") << 1.0;
    QTest::newRow("2") << 2.0;
}

// At a ratio of 1 the stores hand out the start pictures the build drew,
// which are what drawing them now gives; at any other ratio they draw.
void PicturesTest::startPicturesFromTheBuild()
{
    QFETCH(qreal, ratio);
    const QString names[] = {QStringLiteral("Picture_Start_oM"), QStringLiteral("Picture_Start_L"),
                             QStringLiteral("Picture_Start_R")};
    const ModularStartPictures both = drawModularStartPictures(ratio);
    const QPixmap drawn[] = {drawStartPicture(StartPicture::Plain, ratio), both.rightRunning,
                             both.leftRunning};

    installPrerenderedStartPictures();
    BeltPictureStore store(ratio);
    for (int i = 0; i < 3; ++i)
        QCOMPARE(imageOf(store.picture(names[i])), imageOf(drawn[i]));

    // Which pictures the store takes shows with pictures of its own.
    const quint32 red[] = {0xffff0000u, 0xffff0000u, 0xffff0000u, 0xffff0000u};
    const PrerenderedPicture tiny{2, 2, red};
    usePrerenderedStartPictures(&tiny, &tiny, &tiny);
    BeltPictureStore other(ratio);
    const QSize size = other.picture(names[1]).size();
    usePrerenderedStartPictures(nullptr, nullptr, nullptr);
    QCOMPARE(size, ratio == 1 ? QSize(2, 2) : drawn[1].size());
}

void PicturesTest::beltPictureNames_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("hasPicture");
    QTest::newRow("300") << 300 << true;
    QTest::newRow("1000") << 1000 << true;
    QTest::newRow("1500") << 1500 << true;
    QTest::newRow("200") << 200 << false;
    QTest::newRow("350") << 350 << false;
    QTest::newRow("1600") << 1600 << false;
    QTest::newRow("-300") << -300 << false;
}

void PicturesTest::beltPictureNames()
{
    QFETCH(int, length);
    QFETCH(bool, hasPicture);
    QCOMPARE(BeltPictureStore::hasBeltPicture(length), hasPicture);
    const QString name = BeltPictureStore::beltPictureName(length, QLatin1Char('R'));
    QCOMPARE(name, QStringLiteral("Picture_oM%1R").arg(length));
    if (hasPicture)
        QVERIFY(!belts_[1.0]->picture(name).isNull());
    else
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, belts_[1.0]->picture(name));
}

void PicturesTest::beltOntoAnyPainter_data()
{
    using namespace type_code;
    QTest::addColumn<bool>("right");
    QTest::addColumn<int>("length");
    QTest::addColumn<std::vector<int>>("pieces");
    QTest::addColumn<QString>("sameAs"); // the picture the screen shows for it
    QTest::newRow("plain 800 right") << true << 800 << std::vector<int>{} << "Picture_oM800R";
    QTest::newRow("plain 1500 left") << false << 1500 << std::vector<int>{} << "Picture_oM1500L";
    QTest::newRow("plain 349 as 300") << true << 349 << std::vector<int>{} << "Picture_oM300R";
    QTest::newRow("plain 5000 as 1500") << false << 5000 << std::vector<int>{} << "Picture_oM1500L";
    QTest::newRow("modular right") << true << 0 << std::vector<int>{AG_R, G, C, EV_R} << "";
    QTest::newRow("modular left, open") << false << 0 << std::vector<int>{AC_L, V} << "";
    QTest::newRow("modular, no piece known") << true << 0 << std::vector<int>{-3, 7, 99} << "";
    QTest::newRow("modular, unknown left out")
        << true << 0 << std::vector<int>{AC_R, 99, C, C, -3, V, EG_R} << "";
}

// The belt drawn for paper: within its rectangle, scaled to fit and centred,
// the painter as it was; a plain belt at its own size as the screen shows it.
void PicturesTest::beltOntoAnyPainter()
{
    QFETCH(bool, right);
    QFETCH(int, length);
    QFETCH(std::vector<int>, pieces);
    QFETCH(QString, sameAs);
    BeltLook belt;
    belt.rightRunning = right;
    belt.plainLength = length;
    belt.pieces = pieces;

    QImage sheet(500, 300, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    const QRect target(40, 30, 400, 200);
    QPainter painter(&sheet);
    painter.translate(3, 4);
    const QTransform before = painter.transform();
    paintBelt(painter, target.translated(-3, -4), belt);
    QCOMPARE(painter.transform(), before);
    QVERIFY(!painter.hasClipping());
    painter.end();

    // The same drawing at its own size, where the scaled one must land.
    const QSize own = beltDrawing(belt).size();
    QImage natural(own.isEmpty() ? QSize(1, 1) : own, QImage::Format_ARGB32_Premultiplied);
    natural.fill(Qt::transparent);
    QPainter atOwnSize(&natural);
    paintBelt(atOwnSize, natural.rect(), belt);
    atOwnSize.end();
    const auto drawnIn = [](const QImage& image) {
        QRect drawn;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qAlpha(image.pixel(x, y)) != 0)
                    drawn |= QRect(x, y, 1, 1);
        return drawn;
    };
    const QRect drawn = drawnIn(sheet);
    if (own.isEmpty()) {
        QVERIFY(drawn.isEmpty());
        return;
    }
    QVERIFY(target.contains(drawn));
    const qreal scale =
        std::min(qreal(target.width()) / own.width(), qreal(target.height()) / own.height());
    const QPointF offset = QRectF(target).center() - QPointF(own.width(), own.height()) * scale / 2;
    const QRectF at = QRectF(drawnIn(natural)).adjusted(0, 0, 1, 1);
    const QRectF expected(offset + at.topLeft() * scale, at.size() * scale);
    const QRectF got = QRectF(drawn).adjusted(0, 0, 1, 1);
    // A pixel of smoothing at the own size grows with the scale.
    const qreal slack = 1 + scale;
    QVERIFY2(std::abs(got.left() - expected.left()) <= slack &&
                 std::abs(got.top() - expected.top()) <= slack &&
                 std::abs(got.right() - expected.right()) <= slack &&
                 std::abs(got.bottom() - expected.bottom()) <= slack,
             qPrintable(QDebug::toString(got) + u" for "_s + QDebug::toString(expected)));

    if (sameAs.isEmpty())
        return;
    const QImage screen = imageOf(belts_[1.0]->picture(sameAs));
    QImage paper(screen.size(), QImage::Format_ARGB32_Premultiplied);
    paper.fill(Qt::transparent);
    QPainter onPaper(&paper);
    paintBelt(onPaper, paper.rect(), belt);
    onPaper.end();
    for (int x = 0; x < screen.width(); x += 7)
        QVERIFY2(sameColumn(screen, x, paper, x), qPrintable(QString::number(x)));
}

void PicturesTest::unknownPicturesFail()
{
    const ModulePictureStore& modules = *modules_[1.0];
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, modules.Picture_M(33));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, modules.Picture_M(-1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range,
                             belts_[1.0]->picture(QStringLiteral("Picture_Start")));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, belts_[1.0]->Picture_oM(300, QLatin1Char('X')));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, toolbarPicture(true, 7));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, toolbarPicture(false, -1));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, exampleDrawing(3));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, exampleView(1, 5));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, exampleView(2, 3));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, exampleView(2, 0));
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, applicationIconImage(0));
}

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
