// Draws the pictures of the demo collection: for every record of the given
// collection file, <output>/<collection name>/<year>/<catalogue number>.jpg.
// Records whose catalogue number is listed after --without get no picture, so
// the demo also shows the "no picture" state.
//
//   t2-make-stamp-pictures COLLECTION.col OUTPUT_FOLDER [--without NR...]

#include "StampPictureRenderer.h"

#include "storage/formats/CollectionFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "t2-make-stamp-pictures: %s\n", qPrintable(message));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.size() < 2)
        return fail(QStringLiteral("usage: COLLECTION.col OUTPUT_FOLDER [--without NR...]"));
    const QString collectionPath = arguments.takeFirst();
    const QString outputFolder = arguments.takeFirst();
    QStringList without;
    if (!arguments.isEmpty()) {
        if (arguments.takeFirst() != QLatin1String("--without"))
            return fail(QStringLiteral("unknown option"));
        without = arguments;
    }

    QFile file(collectionPath);
    if (!file.open(QIODevice::ReadOnly))
        return fail(collectionPath + QStringLiteral(": ") + file.errorString());
    const CollectionFile::Contents contents = CollectionFile::parse(file.readAll());
    if (!contents.headerComplete || !contents.name || contents.name->isEmpty())
        return fail(collectionPath + QStringLiteral(": not a collection file"));
    // The program finds the pictures under the name in line 2 of the file.
    const QString &name = *contents.name;

    const QDir pictureFolder(QDir(outputFolder).filePath(name));
    int written = 0;
    for (const StampRecord &record : contents.records) {
        const QString &number = record[StampRecord::CatalogueNumber];
        if (without.contains(number))
            continue;
        const QString &year = record[StampRecord::Year];
        if (!pictureFolder.mkpath(year))
            return fail(pictureFolder.filePath(year) + QStringLiteral(": cannot create folder"));
        const QString path = pictureFolder.filePath(year + u'/' + number + QStringLiteral(".jpg"));
        if (!StampPictureRenderer::render(record).save(path, "JPEG", 90))
            return fail(path + QStringLiteral(": cannot write picture"));
        ++written;
    }
    std::printf("%d pictures for %s\n", written, qPrintable(name));
    return 0;
}
