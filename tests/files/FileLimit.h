#pragma once

#include <csignal>
#include <sys/resource.h>

// Stands in for a full disk: while it lives, no file may grow past a few
// bytes, so writes fail part way instead of killing the process.
class FileLimit
{
public:
    explicit FileLimit(rlim_t bytes = 16)
    {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileLimit(const FileLimit &) = delete;
    FileLimit &operator=(const FileLimit &) = delete;

private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};
