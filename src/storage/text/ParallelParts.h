#pragma once

#include <cstddef>
#include <functional>

// Work cut into parts that run at the same time, one thread per part.
namespace ParallelParts {

// How many parts of work can run at once on this computer: at least one.
int cores();

// Runs work(part) for each of parts parts, the first on this thread and each
// other on a thread of its own, and returns when all are done. An exception
// thrown by any part comes out here.
void run(size_t parts, const std::function<void(size_t part)> &work);

} // namespace ParallelParts
