#!/usr/bin/env bash
# The replay tool: the same script gives the same pictures twice, byte for
# byte, and a bad line is refused with its number.
# Usage: replay_check.sh [EMULATOR...] HEDGEROW_REPLAY   (from the repository
# root; the emulator, if any, runs a tool built for another machine)
set -euo pipefail
REPLAY=("${@:1:$#-1}" "$(readlink -f "${!#}")")
ROOT="$PWD"
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT

for run in first second; do
    mkdir -p "$WORK/$run"
    ln -s "$ROOT/graficos" "$WORK/$run/graficos"
    (cd "$WORK/$run" && "${REPLAY[@]}" "$ROOT/tests/replays/tour.txt")
done
count=0
for picture in "$WORK"/first/*.png; do
    cmp -s "$picture" "$WORK/second/$(basename "$picture")" ||
        { echo "FAIL: $(basename "$picture") differs between two runs" >&2; exit 1; }
    count=$((count + 1))
done
[ "$count" -eq 8 ] || { echo "FAIL: the tour wrote $count pictures, not 8" >&2; exit 1; }

status=0
"${REPLAY[@]}" tests/replays/bad.txt 2>"$WORK/error" || status=$?
[ "$status" -eq 2 ] || { echo "FAIL: a bad script ended with $status" >&2; exit 1; }
grep -q "bad.txt:3: unknown button 'Q'" "$WORK/error" ||
    { echo "FAIL: the error does not name the line: $(cat "$WORK/error")" >&2; exit 1; }
echo "replay: passed"
