// Writes the application icon for the icon theme, drawn by the program's own
// picture code: <folder>/<n>x<n>/apps/<name>.png for every size given.

#include "pictures/program_icons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: %s folder name size...\n", argv[0]);
        return 2;
    }
    const QDir folder(args[1]);
    const QString name = args[2];
    for (qsizetype i = 3; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size < 1 || size > 1024) {
            std::fprintf(stderr, "not an icon size: %s\n", qPrintable(args[i]));
            return 2;
        }
        const QString dir = QStringLiteral("%1x%1/apps").arg(size);
        const QString path =
            folder.filePath(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
        QImageWriter writer(path, "png");
        if (!folder.mkpath(dir) || !writer.write(kx::applicationIconImage(size))) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                         qPrintable(writer.errorString()));
            return 1;
        }
    }
    return 0;
}
