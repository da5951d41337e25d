// The median of measurements taken in turns with a peer: on a machine whose
// speed drifts (a shared virtual machine), per-turn ratios are steadier than
// either side's own times.
#ifndef PELLORY_BENCH_MEDIAN_H
#define PELLORY_BENCH_MEDIAN_H

#include <algorithm>
#include <cstddef>
#include <vector>

namespace bench {

inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace bench

#endif
