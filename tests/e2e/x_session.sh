# What the end-to-end tests share: a private Xvfb screen, screenshots measured by lesson_screen, clicks, and
# waits that poll the screen up to a generous deadline, so that a slow machine (or a sanitizer build) is
# never mistaken for a fault. Sourced by each test, which sets `program`, `lesson_screen` and `artefacts`
# first, and `SCREEN_WIDTH` and `SCREEN_HEIGHT` if it wants another screen than 1280 × 1024.

readonly SKIPPED=77
readonly DEADLINE_SECONDS=90
: "${SCREEN_WIDTH:=1280}" "${SCREEN_HEIGHT:=1024}"

# Where the user clicks, in window pixels (the board is shown at its own 1024 × 768 size).
readonly SLIDER_X=848 SLIDER_Y=88 SLIDER_W=100 SLIDER_H=20
readonly BUTTON_W=161 BUTTON_H=49 BUTTON_Y=700
readonly PROBLEM_BUTTON_X=512 ARRANGE_BUTTON_X=680 RESULT_BUTTON_X=848
readonly EXIT_X=897 EXIT_Y=1 EXIT_W=126 EXIT_H=48
# A step button is drawn where this many pixels of its box are not white.
readonly BUTTON_PIXELS=300

require_tools() { # tool … (each a command; the Debian packages are named in the message)
    local tool
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIPPED: $tool is not installed (Debian packages xvfb, xdotool, imagemagick, openbox, x11-utils)"
            exit "$SKIPPED"
        fi
    done
    for tool in "$program" "$lesson_screen"; do
        [[ -x "$tool" ]] || {
            echo "FAILED: no program at $tool"
            exit 1
        }
    done
}

mkdir -p "$artefacts"
rm -f "$artefacts"/*.png
work=$(mktemp -d)
xvfb_pid=""
program_pid=""
background_pids=()

cleanup() {
    local pid
    for pid in "$program_pid" "${background_pids[@]}" "$xvfb_pid"; do
        if [[ -n "$pid" ]]; then kill "$pid" 2>/dev/null || true; fi
    done
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

start_screen() {
    # Xvfb picks a free display itself and writes its number once it accepts clients.
    Xvfb -displayfd 3 -screen 0 "${SCREEN_WIDTH}x${SCREEN_HEIGHT}x24" -nolisten tcp 3>"$work/display" \
        2>"$work/xvfb.log" &
    xvfb_pid=$!
    local i
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
}

# Starts the program (by the command given, or else as `$program`) and finds its window; sets window_id,
# window_x and window_y.
start_lesson() { # [command …]
    if (($# == 0)); then set -- "$program"; fi
    "$@" >"$work/program.log" 2>&1 &
    program_pid=$!
    window_id=$(timeout 60 xdotool search --sync --onlyvisible --name Velmora | head -n1) ||
        fail "no window named Velmora appeared"
    find_window
}

find_window() { # sets window_x, window_y, WIDTH and HEIGHT from the window's present geometry
    eval "$(xdotool getwindowgeometry --shell "$window_id")"
    window_x=$X
    window_y=$Y
    echo "lesson window $window_id at $window_x, $window_y, $WIDTH × $HEIGHT"
}

# What lesson_screen last reported (it also reports navy_block<1…6>_row<0…3>).
problem_button=0 arrange_button=0 result_button=0 slider_fill_right=0 number_row=0 title_lime=0

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

click_at() { # window-x window-y [mouse-button]
    xdotool mousemove --sync $((window_x + $1)) $((window_y + $2)) click "${3:-1}"
}

shown() { # button measurement
    (($1 > BUTTON_PIXELS))
}

# Navy text in one row (0 heading, 1 product, 2 and 3 working) of all six blocks.
navy_in_every_block() { # row minimum-pixels
    local block name
    for block in 1 2 3 4 5 6; do
        name="navy_block${block}_row$1"
        ((${!name:-0} > $2)) || return 1
    done
}

# After "排列方法": every block has its heading and its product, and only "計算結果" is shown.
walkthrough_shown() {
    shown "$result_button" && ! shown "$arrange_button" && ! shown "$problem_button" &&
        navy_in_every_block 0 150 && navy_in_every_block 1 100
}

# Waits for the program to end by itself; sets exit_status.
wait_for_exit() { # description of what should have ended it
    local i
    for ((i = 0; i < DEADLINE_SECONDS * 10; i++)); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$program_pid" 2>/dev/null && fail "the program still runs $DEADLINE_SECONDS s after $1"
    exit_status=0
    wait "$program_pid" || exit_status=$?
    program_pid=""
}
