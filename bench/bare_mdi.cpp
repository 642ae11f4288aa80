// The least program of the configurator's shape: a main window with a menu
// bar and an MDI area, one maximized child laid out as the start dialog
// (three pictures, three captioned buttons), three 100 ms timers that do
// nothing. Its words are the program's, from the language file beside it, in
// Qt's default font. The yardstick for the start-up, memory and idle
// benchmarks.
#include "bench_modes.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace {

// The lines of one section of a text file, as the program reads them.
QStringList section(const QString& path, const QByteArray& name)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    bool inside = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('['))
            inside = line == '[' + name + ']';
        else if (inside && !line.isEmpty())
            lines << QString::fromLatin1(line);
    }
    return lines;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const QString language =
        folder + section(folder + QStringLiteral("47-318-xx.ini"), "SPRACHE").value(0);
    const QStringList menus = section(language, "MENUE");
    const QStringList other = section(language, "SONSTIGES");
    const QString help = section(language, "BEFEHLE").value(7);

    QMainWindow window;
    // File, Configuration, Examples, Tools, Help.
    for (const QString& title :
         {menus.value(4), menus.value(9), menus.value(14), menus.value(25), help})
        window.menuBar()->addMenu(title);
    auto* area = new QMdiArea(&window);
    window.setCentralWidget(area);
    window.resize(973, 460);

    // A start picture's size, drawn once and shown in each row.
    QPixmap picture(310, 100);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(QRectF(10, 30, 290, 40), 20, 20);
    }
    auto* child = new QWidget;
    const int pictureTops[] = {4, 120, 264};
    const int buttonTops[] = {28, 140, 272};
    for (int row = 0; row < 3; ++row) {
        auto* label = new QLabel(child);
        label->setPixmap(picture);
        label->setGeometry(24, pictureTops[row], 310, 100);
        auto* button = new QPushButton(other.value(7 + row), child);
        button->setGeometry(344, buttonTops[row], 257, 29);
    }
    area->addSubWindow(child)->showMaximized();

    for (int i = 0; i < 3; ++i) {
        auto* timer = new QTimer(&window);
        timer->setInterval(100);
        QObject::connect(timer, &QTimer::timeout, &window, [] {});
        timer->start();
    }

    bench::endWhenMeasured(child, bench::idleSeconds(QCoreApplication::arguments()));
    window.show();
    return QApplication::exec();
}
