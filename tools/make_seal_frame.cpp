// Draws the frame picture of the seal sheet and writes it, as JPEG content,
// to the given file (sluitzegels.fra: the extension does not name the format).
//
//   t2-make-seal-frame OUTPUT_FILE

#include "SealFrameRenderer.h"

#include <QGuiApplication>
#include <QImageWriter>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 2) {
        std::fprintf(stderr, "usage: t2-make-seal-frame OUTPUT_FILE\n");
        return 1;
    }
    QImageWriter writer(arguments.at(1), "jpeg");
    writer.setQuality(92);
    if (!writer.write(SealFrameRenderer::render())) {
        std::fprintf(stderr, "t2-make-seal-frame: %s: %s\n", qPrintable(arguments.at(1)),
                     qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
