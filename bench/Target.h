#pragma once

// Every benchmark states each of its targets on one line of its own, beside
// its other output, in the form scripts/bench.sh gathers into its table:
//   TARGET name: value unit (limit L) ok|MISSED
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace bench {

// The value with as many decimals as its size needs to be read.
inline std::string Figure(double value)
{
    const double size = std::fabs(value);
    const int decimals = size < 10 ? 3 : size < 1000 ? 1 : 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// Prints the target's line; a value at most the limit meets it, one that
// could not be measured (NaN) misses it. Returns whether it is met.
inline bool Target(const std::string &name, double value, const char *unit, double limit)
{
    const bool met = value <= limit;
    std::printf("TARGET %s: %s %s (limit %.4g) %s\n", name.c_str(), Figure(value).c_str(), unit, limit,
                met ? "ok" : "MISSED");
    std::fflush(stdout);
    return met;
}

// How many rounds a timing takes: fewer when scripts/bench.sh runs with
// --quick (BRENWICK_BENCH_QUICK set), as CI runs it.
inline int Rounds(int full, int quick)
{
    return std::getenv("BRENWICK_BENCH_QUICK") ? quick : full;
}

} // namespace bench
