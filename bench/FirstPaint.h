// Start-up figure of the bench programs: once a window's first paint has finished, print the
// steady clock (CLOCK_MONOTONIC on Linux, the clock the launcher reads too) and the memory
// the process holds then (resident and its peak, from /proc/self/status), and quit.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

class ExitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the rest of this paint (the children, the flush) happens first.
            QTimer::singleShot(0, qApp, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("shown %lld rss %ld hwm %ld\n",
                            static_cast<long long>(std::chrono::nanoseconds(now).count()),
                            procStatusKiB("VmRSS"), procStatusKiB("VmHWM"));
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }
};
