// Writes the start dialog's three pictures, drawn by the program's own picture
// code at a device pixel ratio of 1, as a C++ source of premultiplied ARGB
// pixels, so that the program shows them at start-up without drawing them.

#include "pictures/drawings.h"
#include "pictures/picture_store.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {
QImage pixelsOf(const QPixmap& picture)
{
    return picture.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void writeArray(QFile& out, const char* name, const QImage& image)
{
    out.write(QByteArray("const quint32 ") + name + "[] = {\n");
    QByteArray line;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line += "0x" + QByteArray::number(row[x], 16) + "u,";
            if (line.size() > 90) {
                out.write(line + '\n');
                line.clear();
            }
        }
    }
    out.write(line + "\n};\n");
}
} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s output.cpp\n", argv[0]);
        return 2;
    }
    const QImage plain = pixelsOf(kx::drawStartPicture(kx::StartPicture::Plain, 1));
    const kx::ModularStartPictures both = kx::drawModularStartPictures(1);
    const QImage right = pixelsOf(both.rightRunning);
    const QImage left = pixelsOf(both.leftRunning);

    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    out.write("// Written at build time by kx-write-start-pictures.\n"
              "#include \"pictures/picture_store.h\"\n\nnamespace kx {\nnamespace {\n");
    writeArray(out, "plain", plain);
    writeArray(out, "right", right);
    writeArray(out, "left", left);
    const auto entry = [](const QImage& image, const char* name) {
        return "{" + QByteArray::number(image.width()) + ", " + QByteArray::number(image.height()) +
               ", " + name + "}";
    };
    out.write("const PrerenderedPicture pictures[] = {" + entry(plain, "plain") + ", " +
              entry(right, "right") + ", " + entry(left, "left") + "};\n} // namespace\n\n");
    out.write("void installPrerenderedStartPictures()\n{\n"
              "    usePrerenderedStartPictures(&pictures[0], &pictures[1], &pictures[2]);\n}\n\n"
              "} // namespace kx\n");
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
