#include "printing/PrintSealSheet.h"

#include "printing/PrintJob.h"
#include "printing/PrinterCanvas.h"
#include "storage/folder/ProgramFolder.h"

#include <QImageReader>

namespace {

// "sluitzegels.fra" of the data folder, read by its content whatever its extension;
// null when missing or unreadable.
QImage loadFrame(const ProgramFolder &folder)
{
    QImageReader reader(folder.dataFile(QStringLiteral("sluitzegels.fra")));
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

} // namespace

void PrintSealSheet(PrinterCanvas &canvas, const ProgramFolder &folder, const QImage &sealPhoto,
                    const QString &copiesText)
{
    PrepareJob(canvas, copiesText);
    // A missing frame or photo leaves out only its own drawings.
    const QImage frame = loadFrame(folder);
    if (!frame.isNull())
        canvas.drawPicture(frame, 2250, 3300, 6900, 9630);
    canvas.drawBox(2250, 3285, 9150, 12930, QColor(0, 0, 0));
    if (!sealPhoto.isNull()) {
        double x = 3780;
        double y = 4200;
        for (int photo = 0; photo < 10; ++photo) {
            canvas.drawPicture(sealPhoto, x, y, 1890, 1290);
            x += 2310;
            if (x > 7000) {
                x = 3780;
                y += 1710;
            }
        }
    }
    canvas.endDocument();
}
