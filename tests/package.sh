#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a root of its own and starts
# the installed launcher to the title splash, as a user would after installing.
# Usage: package.sh BUILD_DIR
set -euo pipefail
BUILD="$(readlink -f "$1")"
source "$(dirname "$0")/x_session.sh"

cpack --config "$BUILD/CPackConfig.cmake" -B "$WORK/package" >"$WORK/cpack.log" 2>&1 ||
    fail "cpack: $(tail -n 5 "$WORK/cpack.log")"
deb="$(ls "$WORK"/package/hedgerow_*.deb)"
dpkg-deb -x "$deb" "$WORK/root"
for f in usr/bin/hedgerow usr/share/hedgerow/graficos/fuente.bmp \
    usr/share/applications/hedgerow.desktop usr/share/icons/hicolor/32x32/apps/hedgerow.png; do
    [ -e "$WORK/root/$f" ] || fail "the package has no $f"
done
dpkg-deb -f "$deb" Depends | grep -q libsdl-image1.2 || fail "the package does not depend on SDL_image"

# From anywhere: the launcher finds its own data folder.
cd /
start_game "$WORK/root/usr/bin/hedgerow"
shot installed_splash
geometry="$(xdotool getwindowgeometry "$WINDOW" | grep Geometry)"
case "$geometry" in
*960x720*) ;;
*) fail "the launcher's window is not three times larger: $geometry" ;;
esac
expect_pixel 0 0 "0,0,0" "the title splash's black"
[ "$(pixels_not 183 159 628 418 "0,0,0")" -gt 1000 ] || fail "no title on the splash"
kill -TERM "$GAME_PID"
expect_ended_with 0
echo "package: passed"
