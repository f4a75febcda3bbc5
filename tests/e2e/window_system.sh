#!/usr/bin/env bash
# The real program under a real window manager (openbox) on a private Xvfb screen: what the window system
# does to the lesson window must not upset the lesson.
#   - F11 twice and the blank key twice leave the problem and the presentation as they were;
#   - clicks on the blank view act on nothing ("出題" does not draw, "離開" does not close);
#   - going to another window and coming back draws a new problem, also right after a change of view;
#   - when another program destroys the window, the program ends (status 0) instead of running on unseen.
#
#   bash window_system.sh PROGRAM LESSON_SCREEN ARTEFACT_DIR
#
# Exits 77 (skipped) when Xvfb, xdotool, ImageMagick's import or openbox is missing.
set -euo pipefail

usage="usage: window_system.sh PROGRAM LESSON_SCREEN ARTEFACT_DIR"
program=${1:?$usage}
lesson_screen=${2:?$usage}
artefacts=${3:?$usage}
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
require_tools Xvfb xdotool import openbox xmessage
start_screen

openbox --sm-disable >"$work/openbox.log" 2>&1 &
background_pids+=($!)
for ((i = 0; i < 100; i++)); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done

start_lesson

problem_drawn() {
    shown "$problem_button" && shown "$arrange_button" && ! shown "$result_button"
}
wait_for_screen 01-problem-drawn.png "a problem drawn, 出題 and 排列方法 shown" problem_drawn

click_at $((ARRANGE_BUTTON_X + BUTTON_W / 2)) $((BUTTON_Y + BUTTON_H / 2))
headings_shown() {
    navy_in_every_block 0 150 && ! shown "$arrange_button" && ! shown "$problem_button"
}
wait_for_screen 02-walkthrough.png "the six headings of the walkthrough" headings_shown
problem=$number_row

# The lesson goes on as it was: the same problem, the walkthrough still on the board.
unchanged() {
    [[ "$number_row" == "$problem" ]] && navy_in_every_block 0 150 && ! shown "$problem_button"
}
expect_unchanged() { # artefact what-was-done
    sleep 2 # a window manager that re-activates late has had its time
    find_window
    look "$artefacts/$1"
    unchanged || fail "$2 changed the lesson ($artefacts/$1)"
    kill -0 "$program_pid" 2>/dev/null || fail "the program ended after $2"
    echo "unchanged after $2 -> $artefacts/$1"
}

xdotool key --window "$window_id" F11
sleep 1.5
xdotool key --window "$window_id" F11
expect_unchanged 03-after-full-screen.png "F11 twice"

xdotool key --window "$window_id" period
sleep 0.5
xdotool key --window "$window_id" period
expect_unchanged 04-after-blank.png "the blank key twice"

xdotool key --window "$window_id" period
sleep 0.5
look "$work/blank.png"
((navy_block1_row0 == 0)) || fail "the view did not go blank"
click_at $((PROBLEM_BUTTON_X + BUTTON_W / 2)) $((BUTTON_Y + BUTTON_H / 2))
click_at $((EXIT_X + EXIT_W / 2)) $((EXIT_Y + EXIT_H / 2))
click_at $((EXIT_X + EXIT_W / 2)) $((EXIT_Y + EXIT_H / 2)) 3
sleep 0.5
xdotool key --window "$window_id" period
expect_unchanged 05-after-clicks-on-blank.png "clicks on the blank view"

# Another window takes activation right after a change of view; coming back is a return all the same.
xmessage -geometry +0+0 "another window" >/dev/null 2>&1 &
background_pids+=($!)
other_id=$(timeout 30 xdotool search --sync --onlyvisible --name xmessage | head -n1) ||
    fail "the other window did not appear"
xdotool windowactivate --sync "$other_id"
sleep 1 # activation has left the lesson window
xdotool key --window "$window_id" period
xdotool key --window "$window_id" period
xdotool windowactivate --sync "$window_id"
new_problem() { # The panel is cleared and the walkthrough's button hidden: a new problem was drawn.
    ! navy_in_every_block 0 20 && ! shown "$result_button"
}
wait_for_screen 06-after-return.png "a new problem drawn on coming back from another window" new_problem

xdotool windowclose "$window_id"
wait_for_exit "another program destroyed its window"
((exit_status == 0)) || fail "the program exited with status $exit_status when its window was destroyed"

echo "PASSED: the window system's doings leave the lesson as a teacher expects"
