#!/usr/bin/env bash
# Builds Tarnwick for measuring and produces every figure of docs/performance.md: the benchmarks in bench/
# (Google Benchmark, 10 repetitions each, median with the fastest and slowest), the start-up of the real
# program and its cost while idle and while animating under Xvfb. Prints the figures table at the end.
#
#   bash tools/perf/run-benchmarks.sh
#
# Builds in build-bench/ (or $TARNWICK_BENCH_BUILD_DIR) and leaves the raw outputs and the table in its
# perf-results/ folder. Needs libbenchmark-dev, Xvfb and xdotool (all installed by tools/setup.sh).
#
# Each pair that is compared (our frame against the stock one) runs in one process, repetitions interleaved
# in random order, so that both see the same machine and the same heap; the other groups run in processes
# of their own, because a benchmark that creates and frees thousands of objects changes how fast the next
# one allocates.
set -euo pipefail

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$repo_root"
build_dir=${TARNWICK_BENCH_BUILD_DIR:-build-bench}
results="$build_dir/perf-results"

generator=$(command -v ninja >/dev/null && echo Ninja || echo "Unix Makefiles")
if [[ -f "$build_dir/CMakeCache.txt" ]]; then
    generator=$(sed -n 's/^CMAKE_GENERATOR:INTERNAL=//p' "$build_dir/CMakeCache.txt")
fi
cmake -S . -B "$build_dir" -G "$generator" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNWICK_BENCH=ON \
    -DTARNWICK_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)" --target tarnwick tarnwick_bench tarnwick_startup_probe
bench="$build_dir/bench/tarnwick_bench"
[[ -x "$bench" ]] || {
    echo "no $bench: is Google Benchmark installed (Debian package libbenchmark-dev)?" >&2
    exit 1
}

mkdir -p "$results"
rm -f "$results"/*.txt
{
    echo "machine: $(nproc) cores,$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2)"
    echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)"
} | tee "$results/machine.txt"

readonly GROUPS_IN_OWN_PROCESSES=(
    DensestLessonFrame
    4096LabelFrame
    ColumnTransform
    'Dispatcher|Record'
)
for group in "${GROUPS_IN_OWN_PROCESSES[@]}"; do
    QT_QPA_PLATFORM=offscreen "$bench" --benchmark_filter="$group" --benchmark_repetitions=10 \
        --benchmark_report_aggregates_only=true --benchmark_enable_random_interleaving=true \
        --benchmark_color=false 2>/dev/null | tee -a "$results/benchmarks.txt"
done

bash tools/perf/measure-startup.sh "$build_dir/bench/tarnwick_startup_probe" | tee "$results/startup.txt"
bash tools/perf/measure-live.sh "$build_dir/app/tarnwick" | tee "$results/live.txt"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)" | tee -a "$results/machine.txt"

echo
awk -f tools/perf/summarize.awk "$results/benchmarks.txt" "$results/startup.txt" "$results/live.txt" |
    tee "$results/figures.md"
echo
echo "raw outputs and this table: $results/"
