#include "storage/text/ParallelParts.h"

#include <algorithm>
#include <future>
#include <system_error>
#include <thread>
#include <vector>

namespace ParallelParts {

int cores()
{
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

void run(size_t parts, const std::function<void(size_t part)> &work)
{
    std::vector<std::future<void>> others;
    // A part that gets no thread of its own (the system has none left) runs
    // here after the first: slower, never lost.
    std::vector<size_t> here{0};
    for (size_t part = 1; part < parts; ++part) {
        try {
            others.push_back(std::async(std::launch::async, work, part));
        } catch (const std::system_error &) {
            here.push_back(part);
        }
    }
    if (parts > 0) {
        for (const size_t part : here)
            work(part);
    }
    for (std::future<void> &other : others)
        other.get();
}

} // namespace ParallelParts
