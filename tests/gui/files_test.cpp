#include "config_file.h"
#include "form.h"
#include "image_control.h"
#include "main_window.h"
#include "plain_editor.h"
#include "test_program.h"

#include "picture_store.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QtTest>

using namespace kx;

namespace {

// The program started with its timers held.
struct Program {
    TestProgram program;
    MainWindow& main;

    Program() : main(program.start()) { program.holdTimers(); }

    Variablen& vars() { return program.forms->vars(); }
    PlainBeltEditor* woM() { return program.forms->window<PlainBeltEditor>(QStringLiteral("woM")); }
    void tick() { main.Timer_Antrieb_Timer(); }

    void save(const QString& path)
    {
        program.dialogs.answerFile(path);
        main.speichern->trigger();
    }
    void load(const QString& path)
    {
        program.dialogs.answerFile(path);
        main.laden->trigger();
    }
    int boxes(const QString& text) const
    {
        int count = 0;
        for (const auto& shown : program.boxes.shown)
            count += shown.text == text && shown.title == QLatin1String("Error");
        return count;
    }
    QString frontWindow()
    {
        for (const char* name : {"wStart", "woM", "wmM"})
            if (Form* form = program.forms->loaded(QString::fromLatin1(name)); form && form->Visible())
                if (form->mdiFrame() == main.mdiArea->activeSubWindow())
                    return QString::fromLatin1(name);
        return QString();
    }
};

// What a user could see of the plain editor and the menu.
QStringList plainState(Program& p)
{
    PlainBeltEditor* woM = p.woM();
    QStringList state{woM->Text_Bandlaenge->text(), woM->Text_Bandbreite->text(),
                      woM->Text_Bestellnummer->text(),
                      QString::number(woM->Option_Rechts->isChecked()),
                      QString::number(woM->HScroll_Bandlaenge->isEnabled()),
                      QString::number(woM->Image_Band_oM->picture().cacheKey()),
                      QString::number(p.main.band_om->isChecked()),
                      QString::number(p.main.band_rechts->isChecked()),
                      QString::number(p.main.speichern->isEnabled()), p.frontWindow()};
    for (QCheckBox* box : woM->Check_Optional)
        state << QString::number(box->isChecked()) + QString::number(box->isEnabled());
    return state;
}

int pdfPages(const QByteArray& pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "));
}

bool pdfLandscape(const QByteArray& pdf)
{
    const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    const auto match = box.match(QString::fromLatin1(pdf));
    return match.hasMatch() && match.captured(1).toDouble() > match.captured(2).toDouble();
}

} // namespace

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void savePlainBelt();
    void saveReplacesWithoutQuestion();
    void saveCancelled();
    void saveFailures_data();
    void saveFailures();
    void loadPlainBelt_data();
    void loadPlainBelt();
    void loadShowsAllFeaturesLocked();
    void loadCancelled();
    void loadFailuresChangeNothing_data();
    void loadFailuresChangeNothing();
    void plainRoundTrip();
    void printStartDialog();
    void printCancelled();
    void printModularEditor();
    void printPlainEditor();
    void printFailure();
};

void FilesTest::savePlainBelt()
{
    Program p;
    p.main.band_om->trigger();
    p.tick();
    const QString path = p.program.path(QStringLiteral("belt"));
    p.save(path);
    QCOMPARE(p.program.readFile(QStringLiteral("belt")), QByteArray("oKX40-300-R\r\n"));
    QVERIFY(p.program.boxes.shown.isEmpty());
    QCOMPARE(p.program.dialogs.asked.size(), 1);
    QCOMPARE(p.program.dialogs.asked[0].kind, QStringLiteral("save"));
    QCOMPARE(p.program.dialogs.asked[0].title, p.main.speichern->text());
    QVERIFY(p.program.dialogs.asked[0].filter.startsWith(QStringLiteral("Log Files (*.dat);;")));
    QCOMPARE(p.vars().Config_File_Name, path);
    QCOMPARE(p.vars().Config_Line, QStringLiteral("oKX40-300-R"));
}

void FilesTest::saveReplacesWithoutQuestion()
{
    Program p;
    p.program.writeFile(QStringLiteral("old.dat"), "a much longer line that was here before\r\n");
    p.main.band_om->trigger();
    p.woM()->Option_Links->click();
    p.tick();
    p.save(p.program.path(QStringLiteral("old.dat")));
    QCOMPARE(p.program.readFile(QStringLiteral("old.dat")), QByteArray("oKX40-300-L\r\n"));
}

void FilesTest::saveCancelled()
{
    Program p;
    p.main.band_om->trigger();
    p.tick();
    p.program.dialogs.answerCancel();
    p.main.speichern->trigger();
    QVERIFY(p.program.boxes.shown.isEmpty());
    QCOMPARE(QDir(p.program.folder.path()).entryList(QDir::Files).size(), 3); // the text files
}

void FilesTest::saveFailures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("existing");
    QTest::newRow("no such folder") << "missing/belt.dat" << false;
    QTest::newRow("disk full half-way") << "old.dat" << true;
}

void FilesTest::saveFailures()
{
    QFETCH(QString, name);
    QFETCH(bool, existing);
    Program p;
    const QByteArray old("oKX80-700-L\r\n");
    if (existing)
        p.program.writeFile(name, old);
    p.main.band_om->trigger();
    p.tick();
    {
        FileSizeLimit full(5);
        p.save(p.program.path(name));
    }
    QCOMPARE(p.boxes(QStringLiteral("speichern_Click()")), 1);
    QCOMPARE(p.program.readFile(name), existing ? old : QByteArray());
    QCOMPARE(QDir(p.program.folder.path()).entryList(QDir::Files).size(), existing ? 4 : 3);
}

void FilesTest::loadPlainBelt_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("picture");
    QTest::newRow("right, direction last") << QByteArray("oKX40-300-R\r\n") << true << "40" << "300"
                                           << "Picture_oM300R";
    QTest::newRow("left") << QByteArray("oKX80-1200-L\r\n") << false << "80" << "1200"
                          << "Picture_oM1200L";
    QTest::newRow("second of two lines") << QByteArray("oKX40-300-R\r\noKX80-500-L\r\n") << false
                                         << "80" << "500" << "Picture_oM500L";
    QTest::newRow("other tag, LF ends") << QByteArray("zKX40-1500-R\n") << true << "40" << "1500"
                                        << "Picture_oM1500R";
}

void FilesTest::loadPlainBelt()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, right);
    QFETCH(QString, width);
    QFETCH(QString, length);
    QFETCH(QString, picture);
    Program p;
    p.program.writeFile(QStringLiteral("belt.dat"), file);
    p.load(p.program.path(QStringLiteral("belt.dat")));

    QVERIFY(p.program.boxes.shown.isEmpty());
    PlainBeltEditor* woM = p.woM();
    QCOMPARE(p.frontWindow(), QStringLiteral("woM"));
    QCOMPARE(woM->Option_Rechts->isChecked(), right);
    QCOMPARE(woM->Text_Bandbreite->text(), width);
    QCOMPARE(woM->Text_Bandlaenge->text(), length);
    QCOMPARE(woM->HScroll_Bandlaenge->value(), length.toInt());
    QCOMPARE(woM->Image_Band_oM->picture().cacheKey(),
             p.program.forms->wImages2().picture(picture).cacheKey());
    QVERIFY(!woM->Image_Band_oM->isHidden());
    for (QWidget* locked : std::initializer_list<QWidget*>{woM->Option_Rechts, woM->Option_Links,
                                                          woM->HScroll_Bandbreite,
                                                          woM->HScroll_Bandlaenge})
        QVERIFY(!locked->isEnabled());
    const QString code = p.vars().Config_Line.mid(1);
    QCOMPARE(woM->Text_Bestellnummer->text(), code);
    QVERIFY(!woM->Text_Bestellnummer->isHidden());
    QCOMPARE(woM->Command_Bestellnummer->text(), p.vars().Copy_Caption);
    QVERIFY(p.main.band_om->isChecked());
    QVERIFY(!p.main.band_rechts->isChecked() && !p.main.band_links->isChecked());
    QVERIFY(p.main.speichern->isEnabled());
    QCOMPARE(p.program.dialogs.asked[0].title, p.main.laden->text());
}

void FilesTest::loadShowsAllFeaturesLocked()
{
    Program p;
    const Variablen& v = p.vars();
    QCOMPARE(int(v.Optional_Count_oM), 6);
    QString code = QStringLiteral("KX40-600-R");
    for (int i = 5; i >= 0; --i)
        if (i != 3)
            code += QLatin1Char('-') + v.Optional_oM(i);
    p.program.writeFile(QStringLiteral("f.dat"), formatConfigFile(BeltKind::Plain, code));
    p.load(p.program.path(QStringLiteral("f.dat")));
    QVERIFY(p.program.boxes.shown.isEmpty());
    for (int i = 0; i < 6; ++i) {
        QCheckBox* box = p.woM()->Check_Optional[std::size_t(i)];
        QVERIFY(!box->isHidden());
        QVERIFY(!box->isEnabled());
        QCOMPARE(box->isChecked(), i != 3);
    }
}

void FilesTest::loadCancelled()
{
    Program p;
    p.main.band_om->trigger();
    p.tick();
    const QStringList before = plainState(p);
    p.program.dialogs.answerCancel();
    p.main.laden->trigger();
    QVERIFY(p.program.boxes.shown.isEmpty());
    QCOMPARE(plainState(p), before);
}

void FilesTest::loadFailuresChangeNothing_data()
{
    QTest::addColumn<QByteArray>("file"); // empty: no file at all
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("empty file") << QByteArray("");
    QTest::newRow("empty last line") << QByteArray("oKX80-500-L\r\n\r\n");
    QTest::newRow("bad width") << QByteArray("oKX4x-500-L\r\n");
    QTest::newRow("length out of range") << QByteArray("oKX80-1600-L\r\n");
    QTest::newRow("bad modular length") << QByteArray("mKX80-?-L-AG-EG\r\n");
    QTest::newRow("15 pieces") << QByteArray("mKX40-1600-R-AG-13G-EG\r\n");
    QTest::newRow("end piece without begin") << QByteArray("mKX40-300-L--EG\r\n");
    QTest::newRow("no prefix") << QByteArray("o40-300-R\r\n");
}

void FilesTest::loadFailuresChangeNothing()
{
    QFETCH(QByteArray, file);
    Program p;
    p.main.band_om->trigger();
    p.woM()->HScroll_Bandlaenge->setValue(900);
    p.tick();
    const QStringList before = plainState(p);
    const int pieces = p.vars().Module_Count;
    const QString name = QStringLiteral("bad.dat");
    if (!file.isNull())
        p.program.writeFile(name, file);
    p.load(p.program.path(name));
    QCOMPARE(p.boxes(QStringLiteral("laden_Click()")), 1);
    QCOMPARE(p.program.boxes.shown.size(), 1);
    QCOMPARE(plainState(p), before);
    QCOMPARE(int(p.vars().Module_Count), pieces);
}

// Random plain belts: build, save, load, and the editor shows the same belt;
// saving again writes the same bytes.
void FilesTest::plainRoundTrip()
{
    Program p;
    QRandomGenerator random(20261209);
    for (int round = 0; round < 40; ++round) {
        p.main.band_om->trigger();
        PlainBeltEditor* woM = p.woM();
        woM->HScroll_Bandlaenge->setValue(300 + 100 * int(random.bounded(13)));
        woM->HScroll_Bandbreite->setValue(random.bounded(2) ? 80 : 40);
        (random.bounded(2) ? woM->Option_Rechts : woM->Option_Links)->click();
        for (QCheckBox* box : woM->Check_Optional)
            box->setChecked(random.bounded(2));
        p.tick();
        const QStringList built = plainState(p);
        const QString first = QStringLiteral("first%1.dat").arg(round);
        p.save(p.program.path(first));
        p.main.band_rechts->trigger(); // another editor in between
        p.load(p.program.path(first));
        p.tick();
        QStringList loaded = plainState(p);
        QCOMPARE(loaded.mid(0, 4), built.mid(0, 4));
        QCOMPARE(loaded[5], built[5]); // the same picture
        for (int i = 0; i < 6; ++i)
            QCOMPARE(loaded[10 + i].left(1), built[10 + i].left(1));
        const QString second = QStringLiteral("second%1.dat").arg(round);
        p.save(p.program.path(second));
        QCOMPARE(p.program.readFile(second), p.program.readFile(first));
    }
    QVERIFY(p.program.boxes.shown.isEmpty());
}

void FilesTest::printStartDialog()
{
    Program p;
    const QString pdf = p.program.path(QStringLiteral("print.pdf"));
    p.program.dialogs.answerPrinterPdf(pdf);
    p.main.drucken->trigger();
    QVERIFY(p.program.boxes.shown.isEmpty());
    const QByteArray bytes = p.program.readFile(QStringLiteral("print.pdf"));
    QVERIFY(bytes.startsWith("%PDF"));
    QCOMPARE(pdfPages(bytes), 1);
    QVERIFY(pdfLandscape(bytes));
    QVERIFY(bytes.contains("/Image"));
}

void FilesTest::printCancelled()
{
    Program p;
    p.program.dialogs.answerCancel();
    p.main.drucken->trigger();
    QVERIFY(p.program.boxes.shown.isEmpty());
    QCOMPARE(p.program.dialogs.asked.size(), 1);
    QCOMPARE(p.program.dialogs.asked[0].kind, QStringLiteral("printer"));
}

void FilesTest::printModularEditor()
{
    Program p;
    p.main.band_links->trigger();
    const QString pdf = p.program.path(QStringLiteral("modular.pdf"));
    p.program.dialogs.answerPrinterPdf(pdf);
    p.main.drucken->trigger();
    QVERIFY(p.program.boxes.shown.isEmpty());
    const QByteArray bytes = p.program.readFile(QStringLiteral("modular.pdf"));
    QCOMPARE(pdfPages(bytes), 1);
    QVERIFY(pdfLandscape(bytes));
}

void FilesTest::printPlainEditor()
{
    Program p;
    p.main.band_om->trigger();
    const QString pdf = p.program.path(QStringLiteral("plain.pdf"));
    p.program.dialogs.answerPrinterPdf(pdf);
    p.main.drucken->trigger();
    QCOMPARE(pdfPages(p.program.readFile(QStringLiteral("plain.pdf"))), 1);
}

void FilesTest::printFailure()
{
    Program p;
    p.program.dialogs.answerPrinterPdf(p.program.path(QStringLiteral("no/such/folder/x.pdf")));
    p.main.drucken->trigger();
    QCOMPARE(p.boxes(QStringLiteral("druckereinrichtung_Click()")), 1);
}

QTEST_MAIN(FilesTest)
#include "files_test.moc"
