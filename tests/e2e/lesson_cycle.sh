#!/usr/bin/env bash
# One whole lesson in the real program, in a real X window on a private Xvfb screen, driven with the mouse as a
# teacher would: speed slider to FAST, "排列方法", "計算結果", then "離開". What the class would see is checked
# from screenshots, which stay behind as artefacts.
#
#   bash lesson_cycle.sh PROGRAM LESSON_SCREEN ARTEFACT_DIR
#
# LESSON_SCREEN is the helper that measures a screenshot (lesson_screen.cpp). Exits 77 (skipped) when Xvfb,
# xdotool or ImageMagick's import is missing. Every wait polls the screen up to a generous deadline, so a slow
# machine (or a sanitizer build) is never mistaken for a fault.
set -euo pipefail

usage="usage: lesson_cycle.sh PROGRAM LESSON_SCREEN ARTEFACT_DIR"
program=${1:?$usage}
lesson_screen=${2:?$usage}
artefacts=${3:?$usage}
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
require_tools Xvfb xdotool import
start_screen

# --- the lesson -------------------------------------------------------------------------------------------
start_lesson
[[ "$WIDTH" == 1024 && "$HEIGHT" == 768 ]] || fail "the window is $WIDTH × $HEIGHT, not 1024 × 768"
# Checked last, so that a misplaced window does not hide what the lesson itself does.
centred_x=$(((SCREEN_WIDTH - WIDTH) / 2))
centred_y=$(((SCREEN_HEIGHT - HEIGHT) / 2))

# With no window manager the window becomes active when it is clicked; a click on the empty white board
# below the panel activates it if start-up did not, and does nothing else.
click_at 400 640

problem_drawn() { # Activation hides "計算結果"; "排列方法" comes a second after the draw.
    shown "$problem_button" && shown "$arrange_button" && ! shown "$result_button"
}
wait_for_screen 01-problem-drawn.png "a problem drawn, 出題 and 排列方法 shown" problem_drawn

slider_mid_y=$((window_y + SLIDER_Y + SLIDER_H / 2))
xdotool mousemove --sync $((window_x + SLIDER_X + SLIDER_W / 2)) "$slider_mid_y" mousedown 1 \
    mousemove --sync $((window_x + SLIDER_X + SLIDER_W - 10)) "$slider_mid_y" \
    mousemove --sync $((window_x + SLIDER_X + SLIDER_W - 1)) "$slider_mid_y" mouseup 1
slider_at_fast() { # The groove is filled up to its right end.
    ((slider_fill_right > 20))
}
wait_for_screen 02-speed-fast.png "the speed slider dragged to FAST" slider_at_fast

click_at $((ARRANGE_BUTTON_X + BUTTON_W / 2)) $((BUTTON_Y + BUTTON_H / 2))
wait_for_screen 03-walkthrough.png "six headings and six products, 計算結果 shown" walkthrough_shown

click_at $((RESULT_BUTTON_X + BUTTON_W / 2)) $((BUTTON_Y + BUTTON_H / 2))
working_shown() { # Both lines of working under every block, and "出題" is back.
    shown "$problem_button" && ! shown "$result_button" && navy_in_every_block 2 100 && navy_in_every_block 3 60
}
wait_for_screen 04-working.png "the working under all six blocks, 出題 shown" working_shown

click_at $((EXIT_X + EXIT_W / 2)) $((EXIT_Y + EXIT_H / 2))
wait_for_exit "離開 was clicked"
((exit_status == 0)) || fail "the program exited with status $exit_status after 離開"

# No window manager, no panels: the work area is the whole screen, and the window stands in its middle.
[[ "$window_x,$window_y" == "$centred_x,$centred_y" ]] ||
    fail "the window stood at $window_x, $window_y, not centred at $centred_x, $centred_y"

echo "PASSED: a whole lesson in the real window"
