#include "sorting/ColumnSort.h"

#include "storage/document/OpenCollection.h"
#include "widgets/MessageBox.h"

#include <QApplication>

#include <exception>
#include <new>

namespace {

// Error numbers of the report: 7 for lack of memory, 5 for an error the sort
// itself raised, 51 for anything unknown.
constexpr int OutOfMemory = 7;
constexpr int SortFailed = 5;
constexpr int InternalError = 51;

void reportSortError(int number, const QString &description)
{
    MessageBox::show(QApplication::activeWindow(),
                     QCoreApplication::translate("ColumnSort", "Fout in sorteer routine!\r\n%1\t%2")
                         .arg(QString::number(number), description));
}

} // namespace

bool SortColumn(OpenCollection &collection, int index)
{
    return SortReportingErrors([&collection, index] { collection.sortByColumn(index - 1); });
}

bool SortReportingErrors(const std::function<void()> &sort)
{
    try {
        sort();
        return true;
    } catch (const std::bad_alloc &) {
        reportSortError(OutOfMemory, QCoreApplication::translate("ColumnSort", "Onvoldoende geheugen"));
    } catch (const std::exception &error) {
        reportSortError(SortFailed, QString::fromLocal8Bit(error.what()));
    } catch (...) {
        reportSortError(InternalError, QCoreApplication::translate("ColumnSort", "Onbekende fout"));
    }
    return false;
}
