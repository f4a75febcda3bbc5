#!/usr/bin/env bash
# The page's figures: the size of its files (raw and gzip -9), the time from opening it to the first painted
# board and the browser's idle CPU (from the browser test), and the dispatcher's lateness in the page (the
# lateness tool built as a page of its own, tarnwick-lateness.html, read from the browser's console).
#
#   bash tools/web/page-figures.sh
#
# Run after `bash tools/setup.sh web`, which leaves build-web/ and the native screenshot helper behind.
set -euo pipefail

repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$repo_root"
readonly BUILD_DIR=build-web LESSON_SCREEN=build/tests/e2e/tarnwick_lesson_screen
[[ -f "$BUILD_DIR/tarnwick.wasm" && -x "$LESSON_SCREEN" ]] || {
    echo "run bash tools/setup.sh web first" >&2
    exit 1
}

echo "== the page's files: raw and gzip -9 bytes"
total_raw=0 total_gzip=0
for file in tarnwick.html tarnwick.js tarnwick.wasm qtloader.js; do
    raw=$(stat -c %s "$BUILD_DIR/$file")
    gzipped=$(gzip -9 -c "$BUILD_DIR/$file" | wc -c)
    printf '%-14s %10d %10d\n' "$file" "$raw" "$gzipped"
    total_raw=$((total_raw + raw)) total_gzip=$((total_gzip + gzipped))
done
printf '%-14s %10d %10d\n' total "$total_raw" "$total_gzip"

echo "== first painted board and idle CPU (the browser test, with figures)"
python3 tests/e2e/lesson_in_browser.py "$BUILD_DIR" "$LESSON_SCREEN" "$BUILD_DIR/screenshots" --figures |
    grep -E '^(FIGURE|PASSED|FAILED)'

echo "== the dispatcher's lateness in the page (tarnwick-lateness, speed setting 3)"
kit=$(bash tools/web/qt-wasm-kit.sh)
export EMSDK=$kit/emsdk
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
nice -n 10 cmake --build "$BUILD_DIR" --parallel 2 --target tarnwick-lateness >/dev/null
python3 tools/web/console_of_page.py "$BUILD_DIR" tools/lateness/tarnwick-lateness.html '^all '
