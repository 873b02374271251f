#include "app/AlbumCommand.h"

#include "album/SlideshowPage.h"
#include "app/CliContext.h"
#include "app/CliText.h"
#include "storage/document/RecordList.h"
#include "storage/folder/ProgramFolder.h"

#include <QProcess>
#include <QTextStream>

AlbumCommand::AlbumCommand()
    : CliCommand({.name = QStringLiteral("album"),
                  .summary = CliText::tr("schrijft het fotoalbum Slideshow.htm (--open: toont het)"),
                  .parameters = {collectionParameter()},
                  .options = {CliOption::flag(QStringLiteral("open"),
                                              CliText::tr("toont het album ook in de webbrowser"))},
                  .extraValuesAreUnknown = true})
{}

StorageResult AlbumCommand::run(const CliArguments &read, const CliContext &context) const
{
    const QStringList values = read.values();
    if (values.isEmpty())
        return context.usageError(CliText::tr("album verwacht de naam van een verzameling"));
    QString name;
    if (const StorageResult taken = CliContext::takeName(values.first(), name); !taken)
        return taken;

    // As in the program: the pictures are those of the name the loaded file
    // gives itself.
    RecordList records;
    QString collectionName;
    StorageResult result = context.load(name, records, &collectionName);
    if (!result)
        return result;
    result = SlideshowPage::exportPage(context.folder(), collectionName, records.count() > 0);
    if (!result)
        return StorageResult::failure(CliText::tr("Album kon niet worden geschreven: %1").arg(result.reason));
    const QString page = context.folder().slideshowPage();
    // Without a window system the desktop's opener is started directly.
    if (read.isSet(QStringLiteral("open")) && !QProcess::startDetached(QStringLiteral("xdg-open"), {page}))
        return StorageResult::failure(CliText::tr("Album kon niet worden geopend: xdg-open ontbreekt"));
    context.out() << page << '\n';
    return StorageResult::success();
}
