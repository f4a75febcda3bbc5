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

readonly SKIPPED=77
readonly DEADLINE_SECONDS=90
readonly SCREEN_WIDTH=1280 SCREEN_HEIGHT=1024

usage="usage: lesson_cycle.sh PROGRAM LESSON_SCREEN ARTEFACT_DIR"
program=${1:?$usage}
lesson_screen=${2:?$usage}
artefacts=${3:?$usage}

# Where the user clicks, in window pixels (the board is shown at its own 1024 × 768 size).
readonly SLIDER_X=848 SLIDER_Y=88 SLIDER_W=100 SLIDER_H=20
readonly BUTTON_W=161 BUTTON_H=49 BUTTON_Y=700
readonly ARRANGE_BUTTON_X=680 RESULT_BUTTON_X=848
readonly EXIT_X=897 EXIT_Y=1 EXIT_W=126 EXIT_H=48
# A step button is drawn where this many pixels of its box are not white.
readonly BUTTON_PIXELS=300

for tool in Xvfb xdotool import; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (Debian packages xvfb, xdotool, imagemagick)"
        exit "$SKIPPED"
    fi
done
for file in "$program" "$lesson_screen"; do
    [[ -x "$file" ]] || {
        echo "FAILED: no program at $file"
        exit 1
    }
done

mkdir -p "$artefacts"
rm -f "$artefacts"/*.png
work=$(mktemp -d)
xvfb_pid=""
program_pid=""

cleanup() {
    if [[ -n "$program_pid" ]]; then kill "$program_pid" 2>/dev/null || true; fi
    if [[ -n "$xvfb_pid" ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
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

# --- the screen -------------------------------------------------------------------------------------------
# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 "${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for ((i = 0; i < 200; i++)); do
    [[ -s "$work/display" ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
done
[[ -s "$work/display" ]] || fail "Xvfb gave no display number"
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
echo "Xvfb on display $DISPLAY"

# --- seeing and touching the window -----------------------------------------------------------------------
window_x=0
window_y=0
# What lesson_screen last reported (it also reports navy_block<1…6>_row<0…3>).
problem_button=0 arrange_button=0 result_button=0 slider_fill_right=0

# Takes a screenshot and sets the shell variables that lesson_screen reports for it.
look() { # file
    import -window root "$1"
    eval "$("$lesson_screen" "$1" "$window_x" "$window_y")"
}

# Polls the screen until a condition holds on a fresh screenshot, and keeps that one as the artefact.
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
        sleep 0.2
    done
    mv "$work/poll.png" "$artefacts/$artefact"
    fail "not seen within $DEADLINE_SECONDS s: $description ($artefacts/$artefact)"
}

click_at() { # window x y
    xdotool mousemove --sync $((window_x + $1)) $((window_y + $2)) click 1
}

shown() { # button measurement
    (($1 > BUTTON_PIXELS))
}

# Navy text in one row (0 heading, 1 product, 2 and 3 working) of all six blocks.
navy_in_every_block() { # row minimum-pixels
    local block name
    for block in 1 2 3 4 5 6; do
        name="navy_block${block}_row$1"
        ((${!name} > $2)) || return 1
    done
}

# --- the lesson -------------------------------------------------------------------------------------------
"$program" >"$work/program.log" 2>&1 &
program_pid=$!

window_id=$(timeout 60 xdotool search --sync --onlyvisible --name Velmora | head -n1) ||
    fail "no window named Velmora appeared"
eval "$(xdotool getwindowgeometry --shell "$window_id")"
window_x=$X
window_y=$Y
echo "lesson window $window_id at $window_x, $window_y, $WIDTH × $HEIGHT"
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
walkthrough_shown() { # Every block has its heading and its product, and only "計算結果" is shown.
    shown "$result_button" && ! shown "$arrange_button" && ! shown "$problem_button" &&
        navy_in_every_block 0 150 && navy_in_every_block 1 100
}
wait_for_screen 03-walkthrough.png "six headings and six products, 計算結果 shown" walkthrough_shown

click_at $((RESULT_BUTTON_X + BUTTON_W / 2)) $((BUTTON_Y + BUTTON_H / 2))
working_shown() { # Both lines of working under every block, and "出題" is back.
    shown "$problem_button" && ! shown "$result_button" && navy_in_every_block 2 100 && navy_in_every_block 3 60
}
wait_for_screen 04-working.png "the working under all six blocks, 出題 shown" working_shown

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

# No window manager, no panels: the work area is the whole screen, and the window stands in its middle.
[[ "$window_x,$window_y" == "$centred_x,$centred_y" ]] ||
    fail "the window stood at $window_x, $window_y, not centred at $centred_x, $centred_y"

echo "PASSED: a whole lesson in the real window"
