#pragma once

#include "storage/StampRecord.h"

#include <QByteArrayView>

#include <future>
#include <iterator>
#include <thread>
#include <vector>

// Reads the records of a large file on all cores: the lines after the header
// are cut into parts that each begin with a record, every part is counted and
// parsed on a thread of its own, and the results are joined in file order.
// Counting first lets the list be allocated once at its final size, which
// costs far less than letting it grow; memory still follows the records read.
namespace RecordParts {

// body, which begins with a record of linesPerRecord lines, cut into at most
// wanted parts of at least a megabyte that each begin with a record.
std::vector<QByteArrayView> split(QByteArrayView body, int linesPerRecord, int wanted);

// The records of all parts, in order. count(part) says how many records
// parse(part, records) appends; both run on several threads at once.
template <typename Count, typename Parse>
std::vector<StampRecord> parse(QByteArrayView body, int linesPerRecord, Count count, Parse parse)
{
    const std::vector<QByteArrayView> parts =
        split(body, linesPerRecord, static_cast<int>(std::thread::hardware_concurrency()));
    std::vector<std::promise<size_t>> counts(parts.size());
    std::vector<std::future<std::vector<StampRecord>>> later;
    for (size_t part = 1; part < parts.size(); ++part) {
        later.push_back(std::async(std::launch::async, [&, part] {
            std::vector<StampRecord> records;
            const size_t counted = count(parts[part]);
            counts[part].set_value(counted);
            records.reserve(counted);
            parse(parts[part], records);
            return records;
        }));
    }
    size_t total = count(parts[0]);
    for (size_t part = 1; part < parts.size(); ++part)
        total += counts[part].get_future().get();
    std::vector<StampRecord> records;
    records.reserve(total);
    parse(parts[0], records);
    for (auto &part : later) {
        std::vector<StampRecord> more = part.get();
        records.insert(records.end(), std::make_move_iterator(more.begin()),
                       std::make_move_iterator(more.end()));
    }
    return records;
}

} // namespace RecordParts
