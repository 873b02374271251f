#include "printing/PrintCommand.h"

#include "printing/PrintJob.h"
#include "printing/PrintRecordSheet.h"
#include "printing/PrintText.h"
#include "printing/QtPrinterCanvas.h"
#include "storage/folder/FileHelpers.h"
#include "storage/folder/OutputFile.h"
#include "storage/folder/ProgramFolder.h"

#include <QImageReader>
#include <QPdfWriter>

namespace {

StorageResult optionError(const QString &what)
{
    return StorageResult::failure(QStringLiteral("print: ") + what);
}

QImage readPicture(const QString &path)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace

PrintCommand::PrintCommand(const ProgramFolder &folder, const QString &collectionName, RecordSpan rows)
    : m_folder(folder)
    , m_collectionName(collectionName)
    , m_rows(rows)
{}

PrintSource PrintCommand::source(int position) const
{
    PrintSource source;
    source.collectionName = m_collectionName;
    // The command line changes nothing while the jobs run: the rows are lent.
    source.shownRows = m_rows;
    source.collectionCaption = PrintSource::collectionCaptionOf(m_collectionName);
    const auto count = qsizetype(m_rows.size());
    source.recordCountLine = PrintSource::recordCountLineOf(count, false);
    if (position < 1 || position > int(m_rows.size()))
        return source;
    source.selectedRow = position - 1;
    source.panel = m_rows[size_t(source.selectedRow)];
    source.recordCountLine = PrintSource::recordCountLineOf(count, true);
    const QString picture = m_folder.picturePath(m_collectionName, source.panel[StampRecord::Year],
                                                 source.panel[StampRecord::CatalogueNumber]);
    if (FileExists(picture))
        source.picture = readPicture(picture);
    return source;
}

StorageResult PrintCommand::run(const QStringList &options)
{
    int job = 0;
    int position = 0;
    QString pdfFile;
    QString copies = QStringLiteral("1");
    QString photoFile;
    bool force = false;
    for (int i = 0; i < options.size(); ++i) {
        const QString &option = options[i];
        if (option == QLatin1String("--force")) {
            force = true;
            continue;
        }
        if (i + 1 >= options.size())
            return optionError(PrintText::tr("'%1' zonder waarde").arg(option));
        const QString value = options[++i];
        bool isNumber = true;
        if (option == QLatin1String("--job"))
            job = value.toInt(&isNumber);
        else if (option == QLatin1String("--record"))
            position = value.toInt(&isNumber);
        else if (option == QLatin1String("--pdf"))
            pdfFile = value;
        else if (option == QLatin1String("--copies"))
            copies = value;
        else if (option == QLatin1String("--photo"))
            photoFile = value;
        else
            return optionError(PrintText::tr("onbekend argument '%1'").arg(option));
        if (!isNumber)
            return optionError(PrintText::tr("'%1' verwacht een getal, niet '%2'").arg(option, value));
    }
    if (job < PrintJob::FirstJob || job > PrintJob::LastJob)
        return optionError(PrintText::tr("--job 1 tot en met 5 is nodig"));
    if (pdfFile.isEmpty())
        return optionError(PrintText::tr("--pdf BESTAND is nodig"));
    if (PrintJob::copiesAboveLimit(copies))
        return optionError(PrintText::tr("Maximaal 999 exemplaren!"));
    if (position != 0 && (position < 1 || position > int(m_rows.size())))
        return optionError(
            PrintText::tr("record %1 bestaat niet (1 tot en met %2)").arg(position).arg(m_rows.size()));
    const StorageResult mayWrite = OutputFile::mayWrite(m_folder, pdfFile, force);
    if (!mayWrite)
        return optionError(mayWrite.reason);
    if (const StorageResult replaced = OutputFile::replaceLink(pdfFile); !replaced)
        return replaced;
    QImage photo;
    if (!photoFile.isEmpty()) {
        photo = readPicture(photoFile);
        if (photo.isNull())
            return optionError(PrintText::tr("foto '%1' kon niet worden gelezen").arg(photoFile));
    }

    QPdfWriter writer(pdfFile);
    QtPrinterCanvas canvas(writer);
    if (!PrintJob::print(job, canvas, source(position), m_folder, photo, copies))
        return optionError(PrintText::tr("%1 (--record POS)").arg(RecordSheetRefusal()));
    if (!canvas.failure().isEmpty())
        return StorageResult::failure(PrintText::tr("PDF '%1' kon niet worden geschreven").arg(pdfFile));
    return StorageResult::success();
}
