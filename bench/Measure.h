#pragma once
// Timing of one piece of work over many runs: median and 99th percentile in milliseconds.

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

struct Figures {
    double median;
    double p99;
};

// `prepare` runs before each timed `work` and is not timed.
inline Figures measure(int runs, const std::function<void()>& prepare,
                       const std::function<void()>& work) {
    std::vector<double> ms;
    ms.reserve(static_cast<std::size_t>(runs));
    QElapsedTimer t;
    for (int i = 0; i < runs; ++i) {
        prepare();
        t.start();
        work();
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[std::min(ms.size() - 1, ms.size() * 99 / 100)]};
}

inline void print(const char* what, const Figures& f, double target) {
    std::printf("%-44s median %8.4f ms   p99 %8.4f ms   target < %.2f ms\n", what, f.median, f.p99,
                target);
}
