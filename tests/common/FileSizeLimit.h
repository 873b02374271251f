#pragma once

#include <sys/resource.h>

// While it lives, no file of this process can grow past a few bytes: every
// write of a whole file fails part-way, as on a full or failing disk.
class FileSizeLimit {
public:
    FileSizeLimit();
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_before{};
    void (*m_signalBefore)(int) = nullptr;
};
