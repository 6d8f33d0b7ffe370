#pragma once
// CPU time of the calling thread: per-puzzle figures stay meaningful on a busy shared machine.

#include <time.h>

inline double threadCpuMillis() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}
