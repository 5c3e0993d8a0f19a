#pragma once
// Timing shared by the benchmarks: the median of several runs, the time of a
// loop per item, and whole processes run to their end.
#include <QElapsedTimer>
#include <QProcess>
#include <QtGlobal>
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

// The milliseconds since `timer` started.
inline double elapsedMs(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// The microseconds each of `count` items took since `timer` started.
inline double microsecondsEach(const QElapsedTimer& timer, int count) {
    return double(timer.nsecsElapsed()) / 1e3 / count;
}

// Runs a program to its end, its standard output going to `output` (thrown
// away by default).
inline void runProcess(const QString& program, const QStringList& arguments,
                       const QString& output = QProcess::nullDevice()) {
    QProcess process;
    process.setStandardOutputFile(output);
    process.start(program, arguments);
    process.waitForFinished(-1);
}

// The benchmarks that draw run without a display unless one is asked for.
inline void offscreenUnlessSet() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

}  // namespace tavo::bench
