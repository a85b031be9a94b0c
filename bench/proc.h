#pragma once

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace bench {

// VmHWM of this process, in kB.
inline long peak_rss_kb() {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long kb = -1;
    while (std::fgets(line, sizeof line, f)) {
        if (std::strncmp(line, "VmHWM:", 6) == 0) kb = std::atol(line + 6);
    }
    std::fclose(f);
    return kb;
}

// User and system CPU time of the whole process so far, in microseconds.
inline long long cpu_us() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000000LL + u.ru_utime.tv_usec +
           u.ru_stime.tv_usec;
}

}  // namespace bench
