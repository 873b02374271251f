#include "storage/ParallelParts.h"

#include <algorithm>
#include <future>
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
    for (size_t part = 1; part < parts; ++part)
        others.push_back(std::async(std::launch::async, work, part));
    if (parts > 0)
        work(0);
    for (std::future<void> &other : others)
        other.get();
}

} // namespace ParallelParts
