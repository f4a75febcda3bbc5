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

usage="usage: lesson_in_wine.sh ZIP LESSON_SCREEN ARTEFACT_DIR"
zip=${1:?$usage}
lesson_screen=${2:?$usage}
artefacts=${3:?$usage}
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/x_session.sh"
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
[[ -f "$zip" ]] || fail "no ZIP at $zip (build target windows_package first)"

(cd "$work" && cmake -E tar xf "$zip")
program=$(find "$work" -maxdepth 2 -name tarnwick.exe | head -n1)
[[ -n "$program" ]] || fail "the ZIP holds no tarnwick.exe"

# The environment's QT_QPA_PLATFORM does not reach a Windows program; the platform is named on its command line.
start_lesson wine "$program" -platform windows
[[ "$WIDTH" == 1024 && "$HEIGHT" == 768 ]] || fail "the window is $WIDTH × $HEIGHT, not 1024 × 768"

problem_drawn() { # The title band, and "排列方法" a second after the draw.
    ((title_lime > TITLE_PIXELS)) && shown "$problem_button" && shown "$arrange_button" && ! shown "$result_button"
}
wait_for_screen 01-lesson-window.png "the title band, a problem drawn, 出題 and 排列方法 shown" problem_drawn

click_at $((ARRANGE_BUTTON_X + BUTTON_W / 2)) $((BUTTON_Y + BUTTON_H / 2))
wait_for_screen 02-walkthrough.png "six headings and six products, 計算結果 shown" walkthrough_shown

click_at $((EXIT_X + EXIT_W / 2)) $((EXIT_Y + EXIT_H / 2))
wait_for_exit "離開 was clicked"
((exit_status == 0)) || fail "the program exited with status $exit_status after 離開"
echo "PASSED: the lesson in a Wine window, from the window to 離開"
