#!/usr/bin/env bash
# The real game in a real X window under Xvfb, played with xdotool as a
# person would, with screenshots checked at pixels the pictures fix.
# Usage: end_to_end.sh PATH_TO_HEDGEROW   (run from the repository root)
set -euo pipefail

GAME="$1"
WORK="$(mktemp -d)"
trap 'kill "${GAME_PID:-}" "${XVFB_PID:-}" 2>/dev/null || true; rm -rf "$WORK"' EXIT

fail() {
    echo "FAIL: $*" >&2
    [ -n "${SHOT:-}" ] && cp "$SHOT" "${E2E_KEEP:-/tmp}/hedgerow-e2e-failed.png" 2>/dev/null || true
    exit 1
}

# A free display number.
DISPLAY_NUMBER=90
while [ -e "/tmp/.X11-unix/X$DISPLAY_NUMBER" ] || [ -e "/tmp/.X$DISPLAY_NUMBER-lock" ]; do
    DISPLAY_NUMBER=$((DISPLAY_NUMBER + 1))
done
export DISPLAY=":$DISPLAY_NUMBER"
Xvfb "$DISPLAY" -screen 0 640x480x24 -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done

export SDL_AUDIODRIVER=dummy
unset SDL12COMPAT_WINDOW_SCALING SDL_VIDEODRIVER

start_game() {
    "$GAME" >"$WORK/game.out" 2>"$WORK/game.err" &
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

key() {
    local k
    for k in "$@"; do
        xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
        xdotool key --delay 60 "$k"
        sleep 0.15
    done
    sleep 0.3
}

# Hold a key down across several battle frames, as a player holds a button.
hold_key() {
    xdotool windowfocus --sync "$WINDOW" 2>/dev/null || true
    xdotool keydown "$1"
    sleep "${2:-0.3}"
    xdotool keyup "$1"
    sleep 0.3
}

shot() {
    SHOT="$WORK/$1.png"
    import -window "$WINDOW" "$SHOT"
}

# The colour at (x, y) of the last screenshot as "r,g,b".
pixel() {
    convert "$SHOT" -crop "1x1+$1+$2" -depth 8 -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}

expect_pixel() {
    local got
    got="$(pixel "$1" "$2")"
    [ "$got" = "$3" ] || fail "$SHOT at ($1, $2) is $got, expected $3 ($4)"
}

# Colours as the 16-bit display shows them: each channel cut to 5 or 6 bits.
on_display() {
    local r=$(($1 >> 3 << 3)) g=$(($2 >> 2 << 2)) b=$(($3 >> 3 << 3))
    echo "$((r | r >> 5)),$((g | g >> 6)),$((b | b >> 5))"
}

# Whether anything but the colour fills the w x h box at (x, y).
box_differs_from() {
    local colour="$5" count
    count="$(convert "$SHOT" -crop "$3x$4+$1+$2" -depth 8 txt:- | tail -n +2 |
        grep -vc "srgb($colour)" || true)"
    [ "$count" -gt 0 ]
}

expect_game_ended_with() {
    for _ in $(seq 50); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        sleep 0.1
    done
    local status=0
    wait "$GAME_PID" || status=$?
    [ "$status" -eq "$1" ] || fail "the game ended with $status, expected $1"
    GAME_PID=""
}

SLATE="$(on_display 42 63 85)"
SLATE_SPACED="$(echo "$SLATE" | tr -d ' ')"

echo "title splash, main menu, LOAD, EXIT"
start_game
shot splash
key Return
shot menu
expect_pixel 160 120 "$SLATE" "the menu's slate blue"
box_differs_from 100 83 16 13 "$SLATE_SPACED" || fail "no pointer at (100, 83)"
box_differs_from 100 116 16 13 "$SLATE_SPACED" && fail "a pointer at (100, 116) already"
key Down
shot menu_load
box_differs_from 100 116 16 13 "$SLATE_SPACED" || fail "DOWN did not bring the pointer to (100, 116)"
box_differs_from 100 83 16 13 "$SLATE_SPACED" && fail "the pointer stayed at (100, 83)"
key Return
shot menu_again
box_differs_from 100 83 16 13 "$SLATE_SPACED" || fail "LOAD did not bring the pointer back to START"
key Down Down Return
expect_game_ended_with 0

echo "end to end: passed"
