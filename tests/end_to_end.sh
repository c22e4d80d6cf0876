#!/usr/bin/env bash
# The real game in a real X window under Xvfb, played with xdotool as a
# person would, with screenshots checked at pixels the pictures fix.
# Usage: end_to_end.sh HEDGEROW CLOSE_WINDOW   (from the repository root)
set -euo pipefail
GAME="$(readlink -f "$1")"
CLOSE_WINDOW="$(readlink -f "$2")"
ROOT="$PWD"
source "$(dirname "$0")/x_session.sh"

SLATE="$(on_display 42 63 85)"
RED="$(on_display 255 0 0)"
LIGHT_BLUE="$(on_display 22 159 237)"
pointer_at() { [ "$(pixels_not 100 "$1" 16 13 "$SLATE")" -gt 0 ]; }

echo "title splash, main menu, LOAD"
start_game "$GAME"
key Return
shot menu
expect_pixel 160 120 "$SLATE" "the menu's slate blue"
pointer_at 83 || fail "no pointer at (100, 83)"
pointer_at 116 && fail "a pointer at (100, 116) already"
key Down
shot menu_load
pointer_at 116 || fail "DOWN did not bring the pointer to (100, 116)"
pointer_at 83 && fail "the pointer stayed at (100, 83)"
key Return
shot menu_again
pointer_at 83 || fail "LOAD did not bring the pointer back to START"

echo "a battle, its pause menu, back to the menu"
key Return
shot battle
read -r gr gg gb <<<"$(pixel 224 0 "$ROOT/assets/tileset.png" | tr ',' ' ')"
expect_pixel 0 0 "$(on_display "$gr" "$gg" "$gb")" "the grass cell at the top-left"
read -r cr cg cb <<<"$(pixel 0 0 "$ROOT/assets/cursor.png" | tr ',' ' ')"
expect_pixel 160 160 "$(on_display "$cr" "$cg" "$cb")" "the cursor's top-left corner"
read -r cr cg cb <<<"$(pixel 31 31 "$ROOT/assets/cursor.png" | tr ',' ' ')"
expect_pixel 191 191 "$(on_display "$cr" "$cg" "$cb")" "the cursor's bottom-right corner"
read -r dx dy sr sg sb <<<"$(opaque_pixel "$ROOT/assets/infantry_sheet_1.png" 0 0 192,192,192)"
expect_pixel $((64 + dx)) $((64 + dy)) "$(on_display "$sr" "$sg" "$sb")" "the soldier at (64, 64)"
key Return
shot pause
expect_pixel 250 127 "$RED" "the pause menu's red square"
expect_pixel 299 199 "$RED" "the pause menu's red square"
key Down Down Down Return
shot menu_after_battle
expect_pixel 160 120 "$SLATE" "back in the main menu"

echo "a MOVE, a walk stopped with X"
key Return
key Left Left Left Up Up Up
key_down x
shot command_menu
expect_pixel 146 91 "$RED" "the command menu's red square beside the soldier at (64, 64)"
expect_pixel 101 102 "$(on_display 255 255 255)" "the command menu's ATTACK bar"
key_up x
key a
shot moving
[ "$(pixels_of 0 0 160 160 "$LIGHT_BLUE")" -gt 0 ] || fail "no move-range diamond after MOVE"
key Right Right Right
key_down x
key_up x
shot stopped
sleep 0.5
SHOT_BEFORE="$SHOT"
shot stopped_later
[ "$(compare -metric AE "$SHOT_BEFORE" "$SHOT" null: 2>&1 || true)" = "0" ] ||
    fail "the soldier still walks after X was held"
[ "$(pixels_of 0 0 160 160 "$LIGHT_BLUE")" -eq 0 ] || fail "the diamond stays after X"
key Return Down Down Down Return Down Down Return
expect_ended_with 0

echo "screenshots and fullscreen on the desktop"
start_window_manager
cd "$WORK"
ln -s "$ROOT/graficos" graficos
start_game "$GAME"
shot splash
key F12
ls screenshots/hedgerow-*.png >/dev/null 2>&1 || fail "F12 wrote no screenshot"
saved="$(ls screenshots/hedgerow-*.png | head -n 1)"
[ "$(compare -metric AE -fuzz 2% "$SHOT" "$saved" null: 2>&1 || true)" = "0" ] ||
    fail "the F12 screenshot is not the frame on the screen"
size_before="$(xdotool getwindowgeometry "$WINDOW" | grep Geometry)"
key F11
size_after="$(xdotool getwindowgeometry "$WINDOW" | grep Geometry)"
[ "$size_before" != "$size_after" ] || fail "F11 did not change the window ($size_after)"
key F11
shot splash_again
key Return
shot menu_after_keys
pointer_at 83 || fail "F11 and F12 reached the game: the splash did not end on START"

echo "closing from every screen"
"$CLOSE_WINDOW" "$WINDOW"
expect_ended_with 0
start_game "$GAME"
"$CLOSE_WINDOW" "$WINDOW"
expect_ended_with 0
start_game "$GAME"
key Return
kill -INT "$GAME_PID"
expect_ended_with 0
start_game "$GAME"
key Return Return
"$CLOSE_WINDOW" "$WINDOW"
expect_ended_with 0
start_game "$GAME"
key Return Return
kill -INT "$GAME_PID"
expect_ended_with 0
start_game "$GAME"
kill -TERM "$GAME_PID"
expect_ended_with 0

echo "end to end: passed"
