#pragma once

#include <QString>

#include <functional>

class PrinterCanvas;
class ProgramFolder;
class QImage;
struct PrintSource;

// What every print job shares: the number of copies, the common start of a job,
// the page header of the list and record jobs and the width measurement used to
// right-align amounts.
namespace PrintJob {

enum Job { CollectionList = 1, PriceList, RecordSheet, SealSheet, YearLabels };
constexpr int FirstJob = CollectionList;
constexpr int LastJob = YearLabels;

// The description shown for a job in the print dialog.
QString description(int job);

// The copies text as a number of copies: a whole number of at least 1, else 1.
// Very large counts are held to MaxCopies so that a slip of the keyboard cannot
// bury the printer; the print dialog and the command line refuse them first.
constexpr int MaxCopies = 999;
int copiesFromText(const QString &text);
// Whether the copies text is a whole number above MaxCopies; any other text is
// one copy, never refused.
bool copiesAboveLimit(const QString &text);

// Told by the list jobs at every page break: rows printed so far, and all rows.
using Progress = std::function<void(int rowsDone, int rowCount)>;

// Runs the job to its end on the canvas. Returns false when the record sheet
// refuses to print because no record is chosen (see RecordSheetRefusal()).
bool print(int job, PrinterCanvas &canvas, const PrintSource &source, const ProgramFolder &folder,
           const QImage &sealPhoto, const QString &copiesText, const Progress &progress = {});

} // namespace PrintJob

// Twips, copies, portrait. Prints nothing.
void PrepareJob(PrinterCanvas &canvas, const QString &copiesText);
// The title at the top left and the time and date at the top right of the first page.
// Leaves the pen at Arial 10 pt bold, RGB(90, 0, 0).
void PrintPageHeader(PrinterCanvas &canvas, const QString &title);
// Width in twips of the text in Arial 9.75 pt regular on a 96 dots-per-inch screen.
double MeasureTextWidth(const QString &text);
// Sets the position and prints the text there.
void PrintTextAt(PrinterCanvas &canvas, double x, double y, const QString &text);
