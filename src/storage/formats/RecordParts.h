#pragma once

#include "storage/StampRecord.h"

#include <QByteArrayView>

#include <functional>
#include <span>
#include <vector>

// Reads the records of a large file on all cores: the lines after the header
// are cut into parts that each begin with a record, and each part is counted
// and then parsed on a thread of its own. Counting first lets the list be
// allocated once at its final size, which costs far less than letting it grow,
// and lets every part fill its own stretch of the list in place; memory still
// follows the records read.
namespace RecordParts {

// body, which begins with a record of linesPerRecord lines, cut into at most
// wanted parts of at least a megabyte that each begin with a record.
std::vector<QByteArrayView> split(QByteArrayView body, int linesPerRecord, int wanted);

// How many records a part holds, and the function that puts them, in order,
// into the stretch given (exactly as long as counted) and says how many it put.
using Count = std::function<size_t(QByteArrayView part)>;
using Parse = std::function<size_t(QByteArrayView part, std::span<StampRecord> records)>;

// The records of all parts, in file order.
std::vector<StampRecord> parse(QByteArrayView body, int linesPerRecord, const Count &count,
                               const Parse &parse);

} // namespace RecordParts
