#include "storage/document/RecordSwapStep.h"

#include "storage/document/RecordList.h"

RecordSwapStep::RecordSwapStep(int row, const StampRecord &record)
    : m_row(row)
    , m_record(record)
{}

void RecordSwapStep::apply(RecordList &list)
{
    list.swapRecord(m_row, m_record);
}
