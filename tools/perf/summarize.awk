# Turns the outputs of run-benchmarks.sh into the figures table of docs/performance.md: each figure as a
# median with its spread, beside its goal.
#
#   awk -f summarize.awk benchmarks.txt startup.txt live.txt
#
# benchmarks.txt is Google Benchmark's console output with --benchmark_report_aggregates_only=true and the
# min and max statistics of bench/Spread.h; the other two hold the key=value lines of the measuring scripts.

function micros(value, unit) {
    if (unit == "ns") return value / 1000
    if (unit == "ms") return value * 1000
    if (unit == "s") return value * 1e6
    return value
}

function shown(us) {
    if (us >= 1000) return sprintf("%.2f ms", us / 1000)
    return sprintf("%.1f µs", us)
}

function row(figure, name, goal_us, goal_text,    median, verdict) {
    if (!((name, "median") in real)) {
        printf "| %s | not measured | | %s | |\n", figure, goal_text
        return
    }
    median = real[name, "median"]
    verdict = goal_us == "" ? "" : (median <= goal_us ? "met" : "missed")
    printf "| %s | %s | %s – %s (cv %s) | %s | %s |\n", figure, shown(median), shown(real[name, "min"]),
        shown(real[name, "max"]), cv[name], goal_text, verdict
}

function ratio_row(figure, ours, stock, goal,    r, low, high) {
    if (!((ours, "median") in real) || !((stock, "median") in real)) return
    r = real[ours, "median"] / real[stock, "median"]
    low = real[ours, "min"] / real[stock, "max"]
    high = real[ours, "max"] / real[stock, "min"]
    printf "| %s | %.2f | %.2f – %.2f | ≤ %.1f | %s |\n", figure, r, low, high, goal, r <= goal ? "met" : "missed"
}

function counter_row(figure, name, counter, goal,    value) {
    value = counters[name, counter]
    if (value == "") return
    printf "| %s | %s | | %s | %s |\n", figure, value, goal, value + 0 == 0 ? "met" : "missed"
}

function key_row(figure, key, unit, goal_text, goal, spread,    value, verdict) {
    if (!(key in kv)) return
    value = kv[key]
    verdict = goal == "" ? "" : (value + 0 <= goal ? "met" : "missed")
    printf "| %s | %s %s | %s | %s | %s |\n", figure, value, unit, spread, goal_text, verdict
}

# Benchmark aggregates: NAME/real_time_STAT  REAL UNIT  CPU UNIT  ITERATIONS  [counter=value ...]
$1 ~ /^BM_.*_(median|min|max|cv)$/ {
    stat = $1
    sub(/.*_/, "", stat)
    name = $1
    sub(/\/real_time_[a-z]+$/, "", name)
    if (stat == "cv") {
        cv[name] = $2 " " $3
        next
    }
    real[name, stat] = micros($2, $3)
    if (stat == "median")
        for (i = 7; i <= NF; ++i)
            if (split($i, pair, "=") == 2) counters[name, pair[1]] = pair[2]
    next
}

# key=value lines of the scripts
/^[a-z_]+=/ {
    key = substr($0, 1, index($0, "=") - 1)
    kv[key] = substr($0, index($0, "=") + 1)
    gsub(/"/, "", kv[key])
}

END {
    print "| Figure | Median | Spread (fastest – slowest of 10) | Goal | |"
    print "|---|---|---|---|---|"
    row("Paint, densest lesson frame (114 labels + grid), ours", "BM_Paint_DensestLessonFrame", 1000, "≤ 1 ms")
    row("… same frame, stock QGraphicsScene, QGraphicsSimpleTextItem", "BM_Paint_DensestLessonFrame_StockSimpleTextItems", "", "")
    row("… same frame, stock QGraphicsScene, QGraphicsTextItem", "BM_Paint_DensestLessonFrame_StockDocumentTextItems", "", "")
    row("… densest frame without its labels and grid, ours", "BM_Paint_DensestLessonFrameWithoutLabelsOrGrid", "", "")
    row("… the same, stock", "BM_Paint_DensestLessonFrameWithoutLabelsOrGrid_StockSimpleTextItems", "", "")
    row("Paint, 4096-label frame, ours", "BM_Paint_4096LabelFrame", 16700, "≤ 16.7 ms")
    row("… same frame, stock, QGraphicsSimpleTextItem", "BM_Paint_4096LabelFrame_StockSimpleTextItems", "", "")
    row("… same frame, stock, QGraphicsTextItem", "BM_Paint_4096LabelFrame_StockDocumentTextItems", "", "")
    row("Paint, 123 × 45 column transform, every glow lit", "BM_Paint_ColumnTransformEveryGlowLit", "", "")
    row("… while the glowing copies grow (halos and layouts rebuilt)", "BM_Paint_ColumnTransformEveryGlowLitWhileGrowing", "", "")
    row("Dispatcher tick, 4096 pending, none due", "BM_DispatcherTick_4096Pending_NoneDue", 20, "≤ 20 µs")
    row("Dispatcher tick, 4096 pending, all due (4096 entrances start)", "BM_DispatcherTick_4096Pending_AllDue", "", "")
    row("Recording 4096 label jobs after a Reset", "BM_Record4096LabelJobsAfterReset", 20000, "≤ 20 ms")
    print ""
    print "| Ratio ours / stock | Median | Range (from fastest and slowest) | Goal | |"
    print "|---|---|---|---|---|"
    ratio_row("Densest frame / QGraphicsSimpleTextItem scene", "BM_Paint_DensestLessonFrame", "BM_Paint_DensestLessonFrame_StockSimpleTextItems", 0.6)
    ratio_row("Densest frame / QGraphicsTextItem scene", "BM_Paint_DensestLessonFrame", "BM_Paint_DensestLessonFrame_StockDocumentTextItems", 0.6)
    ratio_row("4096-label frame / QGraphicsSimpleTextItem scene", "BM_Paint_4096LabelFrame", "BM_Paint_4096LabelFrame_StockSimpleTextItems", 0.6)
    ratio_row("4096-label frame / QGraphicsTextItem scene", "BM_Paint_4096LabelFrame", "BM_Paint_4096LabelFrame_StockDocumentTextItems", 0.6)
    ratio_row("Idle dispatcher tick / bare loop over the same 4096 jobs", "BM_DispatcherTick_4096Pending_NoneDue", "BM_DispatcherBareLoop_4096Pending_NoneDue", 2)
    print ""
    print "| Count | Value | | Goal | |"
    print "|---|---|---|---|---|"
    counter_row("Allocations per dispatcher tick, none due (warmed up)", "BM_DispatcherTick_4096Pending_NoneDue", "allocations_per_step", "0")
    counter_row("Allocations per dispatcher tick, all due (warmed up)", "BM_DispatcherTick_4096Pending_AllDue", "allocations_per_step", "0")
    print ""
    print "| The real program under Xvfb | Value | Spread | Goal | |"
    print "|---|---|---|---|---|"
    key_row("Idle: wake-ups per second (10 s, all threads)", "idle_wakeups_per_second", "/s", "none at all", 0, "")
    key_row("Idle: CPU of one core", "idle_cpu_percent", "%", "< 0.5 %", 0.5, "")
    key_row("Idle after the working: wake-ups per second", "idle_after_wakeups_per_second", "/s", "none at all", 0, "")
    key_row("Idle after the working: CPU of one core", "idle_after_cpu_percent", "%", "< 0.5 %", 0.5, "")
    key_row("Walkthrough (\"排列方法\", 13.5 s): CPU of one core", "walkthrough_cpu_percent", "%", "", "", "")
    key_row("Walkthrough: wake-ups per second, all threads", "walkthrough_wakeups_per_second", "/s", "", "",
        "thread: switches " kv["walkthrough_woken_threads"])
    key_row("Working (\"計算結果\", 28 s): CPU of one core", "working_cpu_percent", "%", "", "", "")
    key_row("Working: wake-ups per second, all threads", "working_wakeups_per_second", "/s", "", "",
        "thread: switches " kv["working_woken_threads"])
    key_row("Start-up to first painted frame", "startup_median_ms", "ms", "< 300 ms", 300,
        kv["startup_min_ms"] " – " kv["startup_max_ms"] " ms over " kv["startup_runs"] " warm runs; first (cold) run " kv["startup_first_ms"] " ms")
    if ("startup_peak_rss_kib" in kv) kv["startup_peak_rss_mib"] = sprintf("%.1f", kv["startup_peak_rss_kib"] / 1024)
    if ("peak_rss_kib" in kv) kv["lesson_peak_rss_mib"] = sprintf("%.1f", kv["peak_rss_kib"] / 1024)
    key_row("Peak RSS at the first frame", "startup_peak_rss_mib", "MiB", "< 80 MB", 76.3, "")
    key_row("Peak RSS after a whole lesson", "lesson_peak_rss_mib", "MiB", "< 80 MB", 76.3, "")
}
