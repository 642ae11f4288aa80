// The least program of the configurator's shape: a main window with an MDI
// area, one maximized child holding one picture, three 100 ms timers that do
// nothing. The yardstick for the start-up, memory and idle benchmarks.
#include "bench_modes.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPixmap>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);

    QMainWindow window;
    auto* area = new QMdiArea(&window);
    window.setCentralWidget(area);
    window.resize(973, 460);

    // A start picture's size, drawn once.
    QPixmap picture(310, 100);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawRoundedRect(QRectF(10, 30, 290, 40), 20, 20);
    }
    auto* child = new QWidget;
    auto* label = new QLabel(child);
    label->setPixmap(picture);
    label->adjustSize();
    area->addSubWindow(child)->showMaximized();

    for (int i = 0; i < 3; ++i) {
        auto* timer = new QTimer(&window);
        timer->setInterval(100);
        QObject::connect(timer, &QTimer::timeout, &window, [] {});
        timer->start();
    }

    bench::endWhenMeasured(label, bench::idleSeconds(QCoreApplication::arguments()));
    window.show();
    return QApplication::exec();
}
