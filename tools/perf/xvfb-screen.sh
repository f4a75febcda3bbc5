# Sourced by the measuring scripts: a private Xvfb screen for the real program, and a task-by-task reading of
# what a process has cost so far. Needs bash 5 ($EPOCHREALTIME).

readonly SCREEN_SIZE=1280x1024x24
xvfb_pid=""
xvfb_work=""

stop_xvfb() {
    if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
    if [[ -n "$xvfb_work" ]]; then rm -rf "$xvfb_work"; fi
}

# Starts Xvfb on a free display, exports DISPLAY for the xcb platform, and returns once it accepts clients.
start_xvfb() {
    xvfb_work=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 "$SCREEN_SIZE" -nolisten tcp 3>"$xvfb_work/display" 2>"$xvfb_work/log" &
    xvfb_pid=$!
    for ((i = 0; i < 200; i++)); do
        [[ -s "$xvfb_work/display" ]] && break
        kill -0 "$xvfb_pid" 2>/dev/null || {
            echo "Xvfb did not start: $(cat "$xvfb_work/log")" >&2
            return 1
        }
        sleep 0.1
    done
    export DISPLAY=":$(head -n1 "$xvfb_work/display")"
    export QT_QPA_PLATFORM=xcb
    unset WAYLAND_DISPLAY
}

# "RUN_NS SWITCHES" of a process, summed over its threads: nanoseconds on a processor, and the times a thread
# was switched out (voluntarily: it went to sleep and something woke it; or preempted).
process_cost() { # pid
    local task run switches=0 total_ns=0 line
    for task in /proc/"$1"/task/*; do
        read -r run _ <"$task/schedstat" 2>/dev/null || continue
        total_ns=$((total_ns + run))
        while read -r line; do
            case "$line" in
            voluntary_ctxt_switches:* | nonvoluntary_ctxt_switches:*) switches=$((switches + ${line##*:})) ;;
            esac
        done <"$task/status"
    done
    echo "$total_ns $switches"
}

# The process's peak resident memory in KiB.
peak_rss_kib() { # pid
    awk '/^VmHWM:/ { print $2 }' /proc/"$1"/status
}

# Per-thread switch counts, "TID NAME SWITCHES", to say who woke when a total is not zero.
thread_switches() { # pid
    local task
    for task in /proc/"$1"/task/*; do
        awk -v tid="${task##*/}" '/^Name:/ { name = $2 } /ctxt_switches:/ { n += $2 } END { print tid, name, n }' \
            "$task/status" 2>/dev/null || true
    done
}
