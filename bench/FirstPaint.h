// Start-up figure of the bench programs: once a window's first paint has finished, print the
// steady clock (CLOCK_MONOTONIC on Linux, the clock the launcher reads too) and the memory
// the process holds then (resident and its peak, from /proc/self/status), and quit. On
// Windows: the wall clock in nanoseconds since 1970 (under Wine the Linux system clock, which
// scripts/bench-wine.sh reads at the launch) and the working set and its peak.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
// windows.h first
#include <psapi.h>
#endif

// A "Name:   1234 kB" line of /proc/self/status in KiB; -1 when it is missing.
inline long procStatusKiB(const char* name) {
    long kib = -1;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
        char line[256];
        const std::size_t n = std::strlen(name);
        while (std::fgets(line, sizeof line, f))
            if (std::strncmp(line, name, n) == 0 && line[n] == ':')
                kib = std::atol(line + n + 1);
        std::fclose(f);
    }
    return kib;
}

struct FirstPaintFigures {
    long long clockNs;
    long rssKiB;
    long peakKiB;
};

inline FirstPaintFigures firstPaintFigures() {
#ifdef _WIN32
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    const bool known = K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return {static_cast<long long>(std::chrono::nanoseconds(now).count()),
            known ? long(memory.WorkingSetSize / 1024) : -1,
            known ? long(memory.PeakWorkingSetSize / 1024) : -1};
#else
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return {static_cast<long long>(std::chrono::nanoseconds(now).count()), procStatusKiB("VmRSS"),
            procStatusKiB("VmHWM")};
#endif
}

class ExitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the rest of this paint (the children, the flush) happens first.
            QTimer::singleShot(0, qApp, [] {
                const FirstPaintFigures f = firstPaintFigures();
                std::printf("shown %lld rss %ld hwm %ld\n", f.clockNs, f.rssKiB, f.peakKiB);
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }
};
