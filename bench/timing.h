#pragma once
// Timing shared by the benchmarks: the median of several runs.
#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <vector>

namespace tavo::bench {

// The median of seven runs, in milliseconds; `prepare` runs untimed before each.
inline double medianMs(const std::function<void()>& work,
                       const std::function<void()>& prepare = {}) {
    constexpr int runs = 7;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace tavo::bench
