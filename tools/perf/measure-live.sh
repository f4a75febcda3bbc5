#!/usr/bin/env bash
# The real program in a real X window on a private Xvfb screen, as a teacher runs it: what it costs while it
# waits and while it animates.
#
#   bash tools/perf/measure-live.sh PROGRAM
#
# Phases, each read from /proc (CPU time and context switches summed over the program's threads):
#   idle        10 s after start-up has settled: the problem is drawn, "排列方法" shows, nothing animates
#   walkthrough "排列方法" clicked, until its last product has entered (13.5 s at the default speed)
#   working     "計算結果" clicked, until its last result has entered (28 s)
#   idle-after  10 s after the working, the board full of labels
# A wake-up is a thread switched out and in again; while idle the program should have none at all. CPU is in
# percent of one core. Prints key=value lines (for run-benchmarks.sh) and a table. Needs Xvfb and xdotool.
set -euo pipefail

program=${1:?usage: measure-live.sh PROGRAM}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/xvfb-screen.sh"

readonly SETTLE_SECONDS=3 IDLE_SECONDS=10 WALKTHROUGH_SECONDS=13.5 WORKING_SECONDS=28
# Where the step buttons stand on the board (window pixels; the board is shown at its own size).
readonly ARRANGE_X=760 RESULT_X=928 STEP_BUTTON_Y=724 EXIT_X=960 EXIT_Y=24

for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || {
        echo "measure-live.sh needs $tool (Debian packages xvfb, xdotool)" >&2
        exit 1
    }
done

program_pid=""
cleanup() {
    if [[ -n "$program_pid" ]]; then kill "$program_pid" 2>/dev/null || true; fi
    stop_xvfb
}
trap cleanup EXIT

start_xvfb
"$program" >"$xvfb_work/program.log" 2>&1 &
program_pid=$!
window_id=$(timeout 60 xdotool search --sync --onlyvisible --name Velmora | head -n1)
eval "$(xdotool getwindowgeometry --shell "$window_id")"
window_x=$X window_y=$Y
sleep "$SETTLE_SECONDS"

click_at() { # board x, y
    xdotool mousemove --sync $((window_x + $1)) $((window_y + $2)) click 1
}

# Measures one phase: sleeps for it, then prints "name_cpu_percent=…", "name_wakeups_per_second=…" and
# "name_xvfb_cpu_percent=…", and which threads woke.
measure_phase() { # name seconds
    local name=$1 seconds=$2 started ended before after xbefore xafter
    declare -A switches_before=()
    local tid thread count
    while read -r tid thread count; do switches_before[$tid]=$count; done < <(thread_switches "$program_pid")
    read -r before _ < <(process_cost "$program_pid")
    read -r xbefore _ < <(process_cost "$xvfb_pid")
    started=$EPOCHREALTIME
    sleep "$seconds"
    ended=$EPOCHREALTIME
    read -r after _ < <(process_cost "$program_pid")
    read -r xafter _ < <(process_cost "$xvfb_pid")
    local woke=0 who=""
    while read -r tid thread count; do
        local delta=$((count - ${switches_before[$tid]:-0}))
        if ((delta > 0)); then
            woke=$((woke + delta))
            who+=" $thread:$delta"
        fi
    done < <(thread_switches "$program_pid")
    awk -v n="$name" -v ns=$((after - before)) -v xns=$((xafter - xbefore)) -v w="$woke" \
        -v s="$started" -v e="$ended" -v who="$who" 'BEGIN {
        wall = e - s
        printf "%s_seconds=%.1f\n%s_cpu_percent=%.3f\n%s_wakeups_per_second=%.2f\n%s_xvfb_cpu_percent=%.3f\n",
            n, wall, n, ns / 1e9 / wall * 100, n, w / wall, n, xns / 1e9 / wall * 100
        if (who != "") printf "%s_woken_threads=\"%s\"\n", n, substr(who, 2)
    }'
}

measure_phase idle "$IDLE_SECONDS"
click_at "$ARRANGE_X" "$STEP_BUTTON_Y"
measure_phase walkthrough "$WALKTHROUGH_SECONDS"
click_at "$RESULT_X" "$STEP_BUTTON_Y"
measure_phase working "$WORKING_SECONDS"
measure_phase idle_after "$IDLE_SECONDS"
echo "peak_rss_kib=$(peak_rss_kib "$program_pid")"
click_at "$EXIT_X" "$EXIT_Y"
for ((i = 0; i < 50; i++)); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
    echo "exit_button=did not end the program" >&2
else
    wait "$program_pid" && echo "exit_status=0" || echo "exit_status=$?"
    program_pid=""
fi
