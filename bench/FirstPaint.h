// Start-up figure of the bench programs: once a window's first paint has finished, print the
// steady clock (CLOCK_MONOTONIC on Linux, the clock the launcher reads too) and quit.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <chrono>
#include <cstdio>

class ExitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued: the rest of this paint (the children, the flush) happens first.
            QTimer::singleShot(0, qApp, [] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                std::printf("shown %lld\n",
                            static_cast<long long>(std::chrono::nanoseconds(now).count()));
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }
};
