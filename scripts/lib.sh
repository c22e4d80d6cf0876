# Shared by the scripts: install what is missing, configure and build.
# Sourced, not run.

HEDGEROW_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
HEDGEROW_BUILD="${HEDGEROW_BUILD:-$HEDGEROW_ROOT/build}"

# The packages the game builds with. Either SDL 1.2 will do: the maintained
# compatibility layer or the classic library.
HEDGEROW_BUILD_PACKAGES="g++ cmake pkg-config libpng-dev libsdl-image1.2-dev libsdl-mixer1.2-dev"

package_installed() {
    dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"
}

# need_packages PKG... : installs the missing ones with apt-get when run as
# root, otherwise prints the line to run and stops.
need_packages() {
    local missing=()
    local p
    for p in "$@"; do
        package_installed "$p" || missing+=("$p")
    done
    if ! package_installed libsdl1.2-compat-dev && ! package_installed libsdl1.2-dev; then
        missing+=(libsdl1.2-compat-dev)
    fi
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq "${missing[@]}" >/dev/null
    else
        echo "Hedgerow needs these Debian packages. Install them with:"
        echo "  sudo apt-get install ${missing[*]}"
        exit 1
    fi
}

# build_game [CMAKE_OPTION...]
build_game() {
    cmake -S "$HEDGEROW_ROOT" -B "$HEDGEROW_BUILD" "$@" >/dev/null
    cmake --build "$HEDGEROW_BUILD" -j"$(nproc)"
}
