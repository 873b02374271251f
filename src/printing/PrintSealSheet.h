#pragma once

#include <QImage>
#include <QString>

class PrinterCanvas;
class ProgramFolder;

// Job 4: the frame picture of the data folder, a black border, and the user's
// photo ten times in two columns of five. No text.
void PrintSealSheet(PrinterCanvas &canvas, const ProgramFolder &folder, const QImage &sealPhoto,
                    const QString &copiesText);
