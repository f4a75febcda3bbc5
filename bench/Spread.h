#pragma once
// Every benchmark reports its median with the spread around it: besides
// Google Benchmark's mean, median and standard deviation, the fastest and the
// slowest repetition.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

inline void WithSpread(benchmark::internal::Benchmark* benchmark) {
    benchmark
        ->ComputeStatistics(
            "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->ComputeStatistics(
            "max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); })
        ->UseRealTime();
}
