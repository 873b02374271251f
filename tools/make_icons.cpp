// Writes the program icon for the desktop's icon theme: PNG pictures at the
// theme's usual sizes, each drawn at its own size, and an SVG of the 32-pixel
// picture (the size the icon is designed at), one rectangle per run of equal
// pixels, so that it scales without blurring.
//
//   t2-make-icons OUTPUT_FOLDER ICON_NAME
// writes OUTPUT_FOLDER/<N>x<N>/apps/ICON_NAME.png and OUTPUT_FOLDER/scalable/apps/ICON_NAME.svg

#include "resources/ProgramIcon.h"

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int Sizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
constexpr int SvgSize = 32;

QByteArray svgOf(const QImage &image)
{
    QByteArray svg = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"") +
                     QByteArray::number(image.width()) + "\" height=\"" + QByteArray::number(image.height()) +
                     "\" viewBox=\"0 0 " + QByteArray::number(image.width()) + ' ' +
                     QByteArray::number(image.height()) + "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < image.height(); ++y) {
        int x = 0;
        while (x < image.width()) {
            const QRgb colour = image.pixel(x, y);
            int end = x + 1;
            while (end < image.width() && image.pixel(end, y) == colour)
                ++end;
            if (qAlpha(colour) != 0)
                svg += "<rect x=\"" + QByteArray::number(x) + "\" y=\"" + QByteArray::number(y) +
                       "\" width=\"" + QByteArray::number(end - x) + "\" height=\"1\" fill=\"" +
                       QColor(colour).name().toLatin1() + "\"/>\n";
            x = end;
        }
    }
    return svg + "</svg>\n";
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return QDir().mkpath(QFileInfo(path).absolutePath()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: t2-make-icons OUTPUT_FOLDER ICON_NAME\n");
        return 1;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (const int size : Sizes) {
        const QString path = QStringLiteral("%1/%2x%2/apps/%3.png").arg(folder).arg(size).arg(name);
        if (!QDir().mkpath(QFileInfo(path).absolutePath()) || !ProgramIcon::render(size).save(path, "png")) {
            std::fprintf(stderr, "t2-make-icons: %s could not be written\n", qPrintable(path));
            return 1;
        }
    }
    const QString svgPath = QStringLiteral("%1/scalable/apps/%2.svg").arg(folder, name);
    if (!writeFile(svgPath, svgOf(ProgramIcon::render(SvgSize)))) {
        std::fprintf(stderr, "t2-make-icons: %s could not be written\n", qPrintable(svgPath));
        return 1;
    }
    return 0;
}
