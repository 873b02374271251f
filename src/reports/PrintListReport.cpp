#include "reports/PrintListReport.h"

#include "printing/PrintJob.h"
#include "printing/PrintText.h"
#include "printing/PrinterCanvas.h"

#include <algorithm>

namespace {

const QColor inkColour(0, 0, 90);
constexpr double HeadingsGap = 285;

// One printed line of a row: a text for each column, most of them empty.
struct PrintedLine {
    QStringList texts;
    bool bold = false;
};

void printLine(PrinterCanvas &canvas, const std::vector<PrintListReport::Column> &columns,
               const QStringList &texts, double y)
{
    for (size_t column = 0; column < columns.size() && column < static_cast<size_t>(texts.size()); ++column) {
        const PrintListReport::Column &place = columns[column];
        const QString &text = texts.at(static_cast<qsizetype>(column));
        if (text.isEmpty())
            continue;
        PrintTextAt(canvas, place.alignRight ? place.left + place.width - MeasureTextWidth(text) : place.left,
                    y, text);
    }
}

void printHeadings(PrinterCanvas &canvas, const std::vector<PrintListReport::Column> &columns,
                   const QStringList &headings, double y)
{
    canvas.setFontName(QStringLiteral("Arial"));
    canvas.setFontSize(10);
    canvas.setFontBold(true);
    canvas.setTextColour(inkColour);
    printLine(canvas, columns, headings, y);
    canvas.setFontBold(false);
    canvas.setTextColour(Qt::black);
}

// A row as the lines it takes: each field wrapped in its column.
void addRow(std::vector<PrintedLine> &lines, const std::vector<PrintListReport::Column> &columns,
            const QStringList &row, bool bold)
{
    std::vector<QStringList> wrapped;
    size_t height = 1;
    for (size_t column = 0; column < columns.size() && column < static_cast<size_t>(row.size()); ++column) {
        wrapped.push_back(
            PrintListReport::wrap(row.at(static_cast<qsizetype>(column)), columns[column].width));
        height = std::max(height, static_cast<size_t>(wrapped.back().size()));
    }
    for (size_t line = 0; line < height; ++line) {
        PrintedLine printed{{}, bold};
        for (const QStringList &field : wrapped)
            printed.texts.append(line < static_cast<size_t>(field.size())
                                     ? field.at(static_cast<qsizetype>(line))
                                     : QString());
        lines.push_back(std::move(printed));
    }
}

} // namespace

namespace PrintListReport {

QStringList wrap(const QString &text, double width)
{
    QStringList lines;
    QString line;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (MeasureTextWidth(longer) <= width) {
            line = longer;
            continue;
        }
        if (!line.isEmpty())
            lines.append(line);
        line = word;
        // A word wider than the column is cut where it must be.
        while (line.size() > 1 && MeasureTextWidth(line) > width) {
            qsizetype fits = 1;
            while (fits + 1 < line.size() && MeasureTextWidth(line.first(fits + 1)) <= width)
                ++fits;
            lines.append(line.first(fits));
            line = line.sliced(fits);
        }
    }
    lines.append(line);
    return lines;
}

void print(PrinterCanvas &canvas, const ListReport &report, const std::vector<Column> &columns)
{
    std::vector<PrintedLine> lines;
    for (const QStringList &row : report.rows)
        addRow(lines, columns, row, false);
    if (!report.total.isEmpty())
        addRow(lines, columns, report.total, true);

    // Lines per page, known before printing so that every page can say how many there are.
    const auto linesFrom = [](double firstY) {
        return static_cast<size_t>((LastLineY - firstY) / LineStep) + 1;
    };
    const size_t firstPageLines = linesFrom(FirstLineY + HeadingsGap);
    const size_t laterPageLines = linesFrom(LaterFirstLineY + HeadingsGap);
    const size_t pages = lines.size() <= firstPageLines
                             ? 1
                             : 1 + (lines.size() - firstPageLines + laterPageLines - 1) / laterPageLines;

    PrepareJob(canvas, QStringLiteral("1"));
    PrintPageHeader(canvas, report.title);
    size_t next = 0;
    for (size_t page = 1; page <= pages; ++page) {
        const double headingsY = page == 1 ? FirstLineY : LaterFirstLineY;
        if (page > 1)
            canvas.newPage();
        printHeadings(canvas, columns, report.headings, headingsY);
        const size_t last = std::min(lines.size(), next + (page == 1 ? firstPageLines : laterPageLines));
        double y = headingsY + HeadingsGap;
        for (; next < last; ++next, y += LineStep) {
            canvas.setFontBold(lines[next].bold);
            printLine(canvas, columns, lines[next].texts, y);
        }
        canvas.setFontBold(false);
        canvas.setFontSize(8);
        PrintTextAt(canvas, columns.front().left, PageNumberY,
                    PrintText::tr("Pagina %1 van %2").arg(page).arg(pages));
        canvas.setFontSize(10);
    }
    canvas.endDocument();
}

} // namespace PrintListReport
