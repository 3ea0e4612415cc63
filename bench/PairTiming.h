#pragma once

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

// Timing of a measured operation against its baseline in the same run.
namespace bench {

inline double msOf(const std::function<void()> &f)
{
    QElapsedTimer timer;
    timer.start();
    f();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Median times in milliseconds of `rounds` runs of each; the two alternate, so
// that both see the same load of the machine.
inline std::pair<double, double> medianPairMs(int rounds, const std::function<void()> &ours,
                                              const std::function<void()> &raw)
{
    std::vector<double> a, b;
    for (int i = 0; i < rounds; ++i) {
        a.push_back(msOf(ours));
        b.push_back(msOf(raw));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return {a[a.size() / 2], b[b.size() / 2]};
}

// Seconds one run of work takes.
inline double seconds(const std::function<void()> &work)
{
    return msOf(work) / 1e3;
}

// The fastest of `rounds` runs, in seconds.
inline double best(int rounds, const std::function<void()> &work)
{
    std::vector<double> t;
    for (int i = 0; i < rounds; ++i)
        t.push_back(seconds(work));
    return *std::min_element(t.begin(), t.end());
}

} // namespace bench
