// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <vector>

// The middle of the measured values; for an even count, the mean of the two middle ones.
template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}
