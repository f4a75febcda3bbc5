#!/usr/bin/env bash
# The Windows program from the unpacked ZIP, under Wine on the X display given (Wine's windows platform), used
# as a teacher would: the lesson window comes up with its title band and a problem, "排列方法" plays the
# walkthrough, and "離開" ends the program with status 0. Screenshots stay behind as artefacts.
#
#   bash lesson_in_wine.sh ZIP LESSON_SCREEN ARTEFACT_DIR
#
# LESSON_SCREEN is the Linux build's screenshot reader (tests/e2e/lesson_screen.cpp). Runs in WINEPREFIX on
# DISPLAY (on_private_screen.sh gives both a private one). Exits 77 (skipped) when wine, xdotool, ImageMagick's
# import or the reader is missing. Every wait has a deadline: a program that hangs fails the test.
set -euo pipefail

readonly SKIPPED=77 DEADLINE_SECONDS=90
usage="usage: lesson_in_wine.sh ZIP LESSON_SCREEN ARTEFACT_DIR"
zip=${1:?$usage}
lesson_screen=${2:?$usage}
artefacts=${3:?$usage}

# Where the user clicks, in window pixels (the board is shown at its own 1024 × 768 size).
readonly BUTTON_W=161 BUTTON_H=49 BUTTON_Y=700 ARRANGE_BUTTON_X=680
readonly EXIT_X=897 EXIT_Y=1 EXIT_W=126 EXIT_H=48
# A step button is drawn where this many pixels of its box are not white.
readonly BUTTON_PIXELS=300
# The title covers about 3,300 lime pixels of the navy band under Wine. (Whether every character has its
# glyph is the test windows.fonts_on_the_windows_platform's to tell: a box covers about as many pixels.)
readonly TITLE_PIXELS=1000

skip() {
    echo "SKIPPED: $*"
    exit "$SKIPPED"
}
for tool in wine xdotool import; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (Debian packages wine, xdotool, imagemagick)"
done
[[ -x "$lesson_screen" ]] || skip "no screenshot reader at $lesson_screen (target tarnwick_lesson_screen of the Linux build)"
[[ -n "${DISPLAY:-}" ]] || skip "no X display (run it through on_private_screen.sh)"
[[ -f "$zip" ]] || {
    echo "FAILED: no ZIP at $zip (build target windows_package first)"
    exit 1
}

mkdir -p "$artefacts"
rm -f "$artefacts"/*.png
work=$(mktemp -d)
program_pid=""
cleanup() {
    if [[ -n "$program_pid" ]]; then kill "$program_pid" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAILED: $*"
    echo "screenshots: $artefacts"
    if [[ -s "$work/program.log" ]]; then
        echo "--- the program's output:"
        cat "$work/program.log"
    fi
    exit 1
}

(cd "$work" && cmake -E tar xf "$zip")
program=$(find "$work" -maxdepth 2 -name tarnwick.exe | head -n1)
[[ -n "$program" ]] || fail "the ZIP holds no tarnwick.exe"

window_x=0
window_y=0
problem_button=0 arrange_button=0 result_button=0 title_lime=0

look() { # file
    import -window root "$1"
    eval "$("$lesson_screen" "$1" "$window_x" "$window_y")"
}

wait_for_screen() { # artefact description condition-function
    local artefact=$1 description=$2 condition=$3
    local started=$SECONDS
    while ((SECONDS - started < DEADLINE_SECONDS)); do
        kill -0 "$program_pid" 2>/dev/null || fail "the program ended while waiting for: $description"
        look "$work/poll.png"
        if "$condition"; then
            mv "$work/poll.png" "$artefacts/$artefact"
            echo "seen $((SECONDS - started)) s after the last action: $description -> $artefacts/$artefact"
            return
        fi
        sleep 0.3
    done
    mv "$work/poll.png" "$artefacts/$artefact"
    fail "not seen within $DEADLINE_SECONDS s: $description ($artefacts/$artefact)"
}

click_at() { # window x y
    xdotool mousemove --sync $((window_x + $1)) $((window_y + $2)) click 1
}
shown() { (($1 > BUTTON_PIXELS)); }
navy_in_every_block() { # row minimum-pixels
    local block name
    for block in 1 2 3 4 5 6; do
        name="navy_block${block}_row$1"
        ((${!name:-0} > $2)) || return 1
    done
}

# The environment's QT_QPA_PLATFORM does not reach a Windows program; the platform is named on its command line.
wine "$program" -platform windows >"$work/program.log" 2>&1 &
program_pid=$!

window_id=$(timeout 60 xdotool search --sync --onlyvisible --name Velmora | head -n1) ||
    fail "no window named Velmora appeared"
eval "$(xdotool getwindowgeometry --shell "$window_id")"
window_x=$X
window_y=$Y
echo "lesson window $window_id at $window_x, $window_y, $WIDTH × $HEIGHT"
[[ "$WIDTH" == 1024 && "$HEIGHT" == 768 ]] || fail "the window is $WIDTH × $HEIGHT, not 1024 × 768"

problem_drawn() { # The title band, and "排列方法" a second after the draw.
    ((title_lime > TITLE_PIXELS)) && shown "$problem_button" && shown "$arrange_button" && ! shown "$result_button"
}
wait_for_screen 01-lesson-window.png "the title band, a problem drawn, 出題 and 排列方法 shown" problem_drawn

click_at $((ARRANGE_BUTTON_X + BUTTON_W / 2)) $((BUTTON_Y + BUTTON_H / 2))
walkthrough_shown() { # Every block has its heading and its product, and only "計算結果" is shown.
    shown "$result_button" && ! shown "$arrange_button" && ! shown "$problem_button" &&
        navy_in_every_block 0 150 && navy_in_every_block 1 100
}
wait_for_screen 02-walkthrough.png "six headings and six products, 計算結果 shown" walkthrough_shown

click_at $((EXIT_X + EXIT_W / 2)) $((EXIT_Y + EXIT_H / 2))
for ((i = 0; i < DEADLINE_SECONDS * 10; i++)); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$program_pid" 2>/dev/null && fail "the program still runs $DEADLINE_SECONDS s after 離開 was clicked"
status=0
wait "$program_pid" || status=$?
program_pid=""
((status == 0)) || fail "the program exited with status $status after 離開"
echo "PASSED: the lesson in a Wine window, from the window to 離開"
