#include "pictures/picture_store.h"
#include "rules/run_error.h"
#include "test_program.h"
#include "windows/forms/common_dialog.h"
#include "windows/forms/frame_icon_style.h"
#include "windows/forms/image_control.h"
#include "windows/forms/keyed_toolbar.h"
#include "windows/forms/line_control.h"

#include <QAction>
#include <QApplication>
#include <QPrinter>
#include <QProxyStyle>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace kx;
using namespace Qt::StringLiterals;

class ComponentsTest : public QObject
{
    Q_OBJECT
private slots:
    void toolbarReportsKeys();
    void hiddenToolbarTakesNoClicks();
    void imageTakesPictureSize();
    void imageClickAndDoubleClick();
    void fetchIsSharedAndHidden();
    void extensionArrowIsTheStyles();
    void lineShowsAtEveryScale_data();
    void lineShowsAtEveryScale();
    void dialogCancel_data();
    void dialogCancel();
    void dialogPassesTitleAndFilter();
    void fileFilter_data();
    void fileFilter();
};

namespace {
struct ToolbarWindow
{
    QWidget window;
    KeyedToolbar* toolbar = new KeyedToolbar(QStringLiteral("Toolbar_Rechts"), &window);
    ToolbarWindow()
    {
        toolbar->addButton(QStringLiteral("AG-R"), QIcon(), QStringLiteral("xxx"));
        toolbar->addSeparatorButton();
        toolbar->addButton(QStringLiteral("G"), QIcon(), QStringLiteral("xxx"));
        window.resize(300, 60);
        window.show();
    }
    QToolButton* buttonWidget(int index)
    {
        return qobject_cast<QToolButton*>(toolbar->widgetForAction(toolbar->button(index)));
    }
};
} // namespace

void ComponentsTest::toolbarReportsKeys()
{
    ToolbarWindow w;
    QSignalSpy clicks(w.toolbar, &KeyedToolbar::ButtonClick);
    QCOMPARE(w.toolbar->buttonCount(), 3);
    QVERIFY(w.toolbar->button(2)->isSeparator());
    QCOMPARE(w.toolbar->key(3), QStringLiteral("G"));
    QTest::mouseClick(w.buttonWidget(3), Qt::LeftButton);
    QTest::mouseClick(w.buttonWidget(1), Qt::LeftButton);
    QCOMPARE(clicks.size(), 2);
    QCOMPARE(clicks[0][0].toString(), QStringLiteral("G"));
    QCOMPARE(clicks[1][0].toString(), QStringLiteral("AG-R"));

    w.toolbar->setButtonToolTip(3, QStringLiteral("Modul G"));
    QCOMPARE(w.toolbar->button(3)->toolTip(), QStringLiteral("Modul G"));
    QCOMPARE(w.buttonWidget(3)->toolTip(), QStringLiteral("Modul G"));
}

void ComponentsTest::hiddenToolbarTakesNoClicks()
{
    ToolbarWindow w;
    QSignalSpy clicks(w.toolbar, &KeyedToolbar::ButtonClick);
    w.toolbar->hide();
    w.toolbar->button(1)->trigger();
    QCOMPARE(clicks.size(), 0);
}

void ComponentsTest::imageTakesPictureSize()
{
    ImageControl image(QStringLiteral("Image_Modul(0)"));
    QPixmap small(60, 48);
    small.fill(Qt::red);
    image.setPicture(small);
    QCOMPARE(image.size(), QSize(60, 48));
    // A high-density picture keeps its logical size.
    QPixmap sharp(180, 96);
    sharp.setDevicePixelRatio(2);
    sharp.fill(Qt::blue);
    image.setPicture(sharp);
    QCOMPARE(image.size(), QSize(90, 48));
    QCOMPARE(image.picture().cacheKey(), sharp.cacheKey());
}

void ComponentsTest::imageClickAndDoubleClick()
{
    QWidget window;
    auto* image = new ImageControl(QStringLiteral("Image_Modul(0)"), &window);
    QPixmap picture(60, 48);
    picture.fill(Qt::gray);
    image->setPicture(picture);
    window.show();

    QStringList events;
    connect(image, &ImageControl::Click, [&] { events << u"Click"_s; });
    connect(image, &ImageControl::DblClick, [&] { events << u"DblClick"_s; });
    QTest::mouseClick(image, Qt::LeftButton);
    QCOMPARE(events, QStringList{u"Click"_s});
    events.clear();
    QTest::mouseDClick(image, Qt::LeftButton);
    QCOMPARE(events, (QStringList{u"Click"_s, u"DblClick"_s}));
    events.clear();
    QTest::mouseClick(image, Qt::RightButton);
    QVERIFY(events.isEmpty());

    // The platform's own order: press, release, press, double click, release.
    events.clear();
    const QPointF at(10, 10);
    auto send = [&](QEvent::Type type, ulong time) {
        QMouseEvent event(type, at, image->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        event.setTimestamp(time);
        QApplication::sendEvent(image, &event);
    };
    send(QEvent::MouseButtonPress, 100000);
    send(QEvent::MouseButtonRelease, 100010);
    send(QEvent::MouseButtonPress, 100100);
    send(QEvent::MouseButtonDblClick, 100100);
    send(QEvent::MouseButtonRelease, 100110);
    QCOMPARE(events, (QStringList{u"Click"_s, u"DblClick"_s}));
    events.clear();
    QTest::mouseClick(image, Qt::LeftButton);
    QCOMPARE(events, QStringList{u"Click"_s});
}

void ComponentsTest::fetchIsSharedAndHidden()
{
    TestProgram program;
    ModulePictureStore& modules = program.forms->modulePictures();
    BeltPictureStore& belts = program.forms->beltPictures();
    QCOMPARE(&program.forms->modulePictures(), &modules);
    QCOMPARE(&program.forms->beltPictures(), &belts);
    QCOMPARE(&modules.Picture_M(7), &modules.Picture_M(7));

    // An image control refers to the store's picture rather than a copy.
    ImageControl image(QStringLiteral("Image_Modul(0)"));
    image.setPicture(modules.Picture_M(7));
    QCOMPARE(image.picture().cacheKey(), modules.Picture_M(7).cacheKey());
    image.setPicture(belts.Picture_oM(800, QLatin1Char('L')));
    QCOMPARE(image.picture().cacheKey(), belts.Picture_oM(800, QLatin1Char('L')).cacheKey());
    QCOMPARE(image.size(), QSize(480, 72));

    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget* window : windows)
        QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
}

void ComponentsTest::extensionArrowIsTheStyles()
{
    FrameIconStyle::install();
    const auto* style = qobject_cast<const QProxyStyle*>(QApplication::style());
    QVERIFY(style);
    for (const auto icon :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon arrow = style->standardIcon(icon);
        QCOMPARE(style->standardIcon(icon).cacheKey(), arrow.cacheKey());
        QCOMPARE(arrow.pixmap(16).toImage(),
                 style->baseStyle()->standardIcon(icon).pixmap(16).toImage());
    }
}

void ComponentsTest::lineShowsAtEveryScale_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("top");
    for (const qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0})
        for (const int top : {336, 337})
            QTest::addRow("%g at %d", ratio, top) << ratio << top;
}

// The line keeps at least one device pixel wherever it lies, at any scale.
void ComponentsTest::lineShowsAtEveryScale()
{
    QFETCH(qreal, ratio);
    QFETCH(int, top);
    QWidget window;
    window.resize(200, 400);
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    window.setPalette(palette);
    auto* line = new LineControl(QStringLiteral("Line_Bestell"), &window);
    line->setLine(QPoint(4, top), QPoint(190, top));
    QCOMPARE(line->width(), 187);

    QImage image(window.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    window.render(&image);
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        dark += qGray(image.pixel(image.width() / 2, y)) < 128;
    QVERIFY(dark >= 1);
    QVERIFY(dark <= 2 * ratio);
}

void ComponentsTest::dialogCancel_data()
{
    QTest::addColumn<bool>("cancelError");
    QTest::newRow("silent cancel") << false;
    QTest::newRow("cancel is error 32755") << true;
}

void ComponentsTest::dialogCancel()
{
    QFETCH(bool, cancelError);
    ScriptedDialogs dialogs;
    CommonDialog dialog(dialogs, nullptr, QStringLiteral("CommonDialog2"));
    dialog.CancelError = cancelError;
    for (auto show :
         {&CommonDialog::ShowOpen, &CommonDialog::ShowSave, &CommonDialog::ShowPrinter}) {
        dialog.FileName.clear();
        try {
            (dialog.*show)();
            QVERIFY(!cancelError);
        } catch (const RunError& e) {
            QVERIFY(cancelError);
            QCOMPARE(e.number, 32755);
        }
        QVERIFY(dialog.FileName.isEmpty());
    }
}

void ComponentsTest::dialogPassesTitleAndFilter()
{
    ScriptedDialogs dialogs;
    CommonDialog dialog(dialogs, nullptr, QStringLiteral("CommonDialog1"));
    dialog.DialogTitle = QStringLiteral("Speichern");
    dialog.Filter = QStringLiteral("Log Files (*.dat)|*.dat|All Files (*.*)|*.*");
    dialogs.answerFile(QStringLiteral("/tmp/belt"));
    dialog.ShowSave();
    QCOMPARE(dialog.FileName, QStringLiteral("/tmp/belt"));
    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(dialogs.asked[0].kind, QStringLiteral("save"));
    QCOMPARE(dialogs.asked[0].title, QStringLiteral("Speichern"));
    QCOMPARE(dialogs.asked[0].filter, QStringLiteral("Log Files (*.dat);;All Files (*)"));

    const QString pdf = QDir::temp().filePath(QStringLiteral("kx-components-test.pdf"));
    dialogs.answerPrinterPdf(pdf);
    dialog.ShowPrinter();
    QCOMPARE(dialog.printer().outputFormat(), QPrinter::PdfFormat);
    QCOMPARE(dialog.printer().outputFileName(), pdf);
}

void ComponentsTest::fileFilter_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("expected");
    row("configuration files", u"Log Files (*.dat)|*.dat|All Files (*.*)|*.*"_s,
        u"Log Files (*.dat);;All Files (*)"_s);
    row("description without pattern", u"Text|*.txt;*.ini"_s, u"Text (*.txt *.ini)"_s);
    QTest::newRow("dangling description") << u"Text|*.txt|Other"_s << u"Text (*.txt)"_s;
}

void ComponentsTest::fileFilter()
{
    QFETCH(QString, filter);
    QFETCH(QString, expected);
    QCOMPARE(qtFileFilter(filter), expected);
}

QTEST_MAIN(ComponentsTest)
#include "components_test.moc"
