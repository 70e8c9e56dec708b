#pragma once
// The median and range of a benchmark's samples.
#include <algorithm>
#include <utility>
#include <vector>

namespace fv::bench {

struct Spread {
    double median = 0, low = 0, high = 0;
};

inline Spread spreadOf(std::vector<double> v) {
    Spread s;
    if (v.empty()) return s;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    s.median = n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    s.low = v.front();
    s.high = v.back();
    return s;
}

inline double median(std::vector<double> v) {
    return spreadOf(std::move(v)).median;
}

}  // namespace fv::bench
