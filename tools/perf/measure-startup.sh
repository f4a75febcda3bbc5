#!/usr/bin/env bash
# Start-up of the real program on a private Xvfb screen: from launching the process to the lesson window's
# first painted frame, and the peak resident memory by then. Runs the start-up probe (StartupProbe.cpp: the
# program as app/main.cpp starts it, timed from outside) RUNS times; the first run also pays for cold
# caches and is reported on its own.
#
#   bash tools/perf/measure-startup.sh PROBE [RUNS]
#
# Prints key=value lines: startup_first_ms, startup_median_ms, startup_min_ms, startup_max_ms (over the
# runs after the first), startup_peak_rss_kib (largest of all runs). Needs Xvfb.
set -euo pipefail

probe=${1:?usage: measure-startup.sh PROBE [RUNS]}
runs=${2:-11}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/xvfb-screen.sh"

command -v Xvfb >/dev/null || {
    echo "measure-startup.sh needs Xvfb (Debian package xvfb)" >&2
    exit 1
}
trap stop_xvfb EXIT
start_xvfb

frames=()
peak=0
for ((run = 0; run < runs; run++)); do
    report=$(timeout 60 "$probe" --launched-at "$EPOCHREALTIME" 2>/dev/null)
    frame=$(sed -n 's/^first_frame_ms=//p' <<<"$report")
    rss=$(sed -n 's/^peak_rss_kib=//p' <<<"$report")
    [[ -n "$frame" && -n "$rss" ]] || {
        echo "the probe reported no first frame: $report" >&2
        exit 1
    }
    frames+=("$frame")
    ((rss > peak)) && peak=$rss
done

echo "startup_first_ms=${frames[0]}"
printf '%s\n' "${frames[@]:1}" | sort -g | awk '
    { v[NR] = $1 }
    END {
        median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "startup_median_ms=%.1f\nstartup_min_ms=%.1f\nstartup_max_ms=%.1f\nstartup_runs=%d\n", median, v[1], v[NR], NR
    }'
echo "startup_peak_rss_kib=$peak"
