# Sourced by the end-to-end tests: an X display of our own under Xvfb, the
# game's window, keys typed with xdotool, screenshots and their pixels.

WORK="$(mktemp -d)"
cleanup() {
    [ -n "${GAME_PID:-}" ] && kill "$GAME_PID" 2>/dev/null
    [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -n "${SHOT:-}" ] && [ -f "$SHOT" ]; then
        cp "$SHOT" "${TMPDIR:-/tmp}/hedgerow-failed-$(basename "$SHOT")" && \
            echo "the screenshot is kept as ${TMPDIR:-/tmp}/hedgerow-failed-$(basename "$SHOT")" >&2
    fi
    exit 1
}

# Xvfb picks a free display itself and tells us its number.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 100); do
    [ -s "$WORK/display" ] && break
    sleep 0.1
done
[ -s "$WORK/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(head -n 1 "$WORK/display")"

# Fullscreen is the window manager's to grant: a small one, for the tests
# that need it.
start_window_manager() {
    openbox --sm-disable >"$WORK/wm.log" 2>&1 &
    WM_PID=$!
    sleep 1
}

export SDL_AUDIODRIVER=dummy
unset SDL12COMPAT_WINDOW_SCALING SDL_VIDEODRIVER

# start_game COMMAND...: in the background, then wait for its window.
start_game() {
    "$@" >"$WORK/game.out" 2>"$WORK/game.err" &
    GAME_PID=$!
    WINDOW=""
    for _ in $(seq 100); do
        WINDOW="$(xdotool search --name '^Hedgerow$' 2>/dev/null | head -n 1 || true)"
        [ -n "$WINDOW" ] && break
        sleep 0.1
    done
    [ -n "$WINDOW" ] || fail "no window called Hedgerow"
    sleep 0.5
}

focus() { xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true; }

# Type keys, one after another, giving the game time to show each.
key() {
    local k
    for k in "$@"; do
        focus
        xdotool key --delay 60 "$k"
        sleep 0.15
    done
    sleep 0.3
}

key_down() { focus; xdotool keydown "$1"; sleep 0.3; }
key_up() { xdotool keyup "$1"; sleep 0.3; }

shot() {
    SHOT="$WORK/$1.png"
    import -window "$WINDOW" "$SHOT"
}

# The colour at (x, y) of the last screenshot, or of a PNG, as "r,g,b".
pixel() {
    convert "${3:-$SHOT}" -crop "1x1+$1+$2" -depth 8 \
        -format '%[fx:int(255*r+0.5)],%[fx:int(255*g+0.5)],%[fx:int(255*b+0.5)]' info:
}

# Within 2 of each channel: widening 5 or 6 bits back to 8 rounds one way
# or the other depending on the SDL underneath.
expect_pixel() {
    local got r g b er eg eb
    got="$(pixel "$1" "$2")"
    IFS=, read -r r g b <<<"$got"
    IFS=, read -r er eg eb <<<"$3"
    if [ $((r - er)) -gt 2 ] || [ $((er - r)) -gt 2 ] || [ $((g - eg)) -gt 2 ] ||
        [ $((eg - g)) -gt 2 ] || [ $((b - eb)) -gt 2 ] || [ $((eb - b)) -gt 2 ]; then
        fail "$(basename "$SHOT") at ($1, $2) is $got, expected $3 ($4)"
    fi
}

# A colour as the 16-bit display shows it: each channel cut to 5 or 6 bits
# and widened again.
on_display() {
    local r=$(($1 >> 3 << 3)) g=$(($2 >> 2 << 2)) b=$(($3 >> 3 << 3))
    echo "$((r | r >> 5)),$((g | g >> 6)),$((b | b >> 5))"
}

# How many pixels of the w x h box at (x, y) are (within 2 on every channel)
# of the colour "r,g,b", and how many are not.
count_pixels() {
    local want="$6"
    convert "$SHOT" -crop "$3x$4+$1+$2" -depth 8 txt:- | tail -n +2 |
        sed -E 's/^[0-9]+,[0-9]+: \(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3/' |
        awk -v c="$5" -v want="$want" 'BEGIN { split(c, k, ",") }
            { near = ($1 - k[1])^2 <= 4 && ($2 - k[2])^2 <= 4 && ($3 - k[3])^2 <= 4
              if (near == want) n++ }
            END { print n + 0 }'
}
pixels_of() { count_pixels "$1" "$2" "$3" "$4" "$5" 1; }
pixels_not() { count_pixels "$1" "$2" "$3" "$4" "$5" 0; }

# The first pixel of a picture's 32x32 frame at (x, y) that is not its key,
# as "dx dy r,g,b", to find again on the screen.
opaque_pixel() {
    convert "$1" -crop "32x32+$2+$3" -depth 8 txt:- | tail -n +2 |
        sed -E 's/^([0-9]+),([0-9]+): \(([0-9]+),([0-9]+),([0-9]+).*/\1 \2 \3 \4 \5/' |
        awk -v c="$4" 'BEGIN { split(c, k, ",") } !($3 == k[1] && $4 == k[2] && $5 == k[3]) { print; exit }'
}

expect_ended_with() {
    for _ in $(seq 50); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.1
    done
    local status=0
    wait "$GAME_PID" || status=$?
    GAME_PID=""
    [ "$status" -eq "$1" ] || fail "the game ended with status $status, expected $1: $(cat "$WORK/game.err")"
}
