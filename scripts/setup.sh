# Sourced by the project's commands: installs the Debian packages the build
# needs (only those missing), then configures and builds incrementally.
# BUILD_DIR and CMAKE_ARGS may be set by the caller.
set -euo pipefail

VX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$VX_ROOT/build}

VX_PACKAGES=(
    cmake ninja-build g++ pkg-config
    qtbase5-dev qtbase5-dev-tools libqt5websockets5-dev libqt5serialport5-dev libqt5svg5-dev
    qttools5-dev qttools5-dev-tools libqt5sql5-sqlite
    fonts-noto-cjk
    libbenchmark-dev
    help2man dpkg-dev file
    man-db
    xvfb xauth
)

vx_install_packages() {
    local missing=()
    for pkg in "${VX_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

vx_build() {
    if [ ! -f "$BUILD_DIR/build.ninja" ]; then
        cmake -S "$VX_ROOT" -B "$BUILD_DIR" -G Ninja ${CMAKE_ARGS:-}
    fi
    cmake --build "$BUILD_DIR" -j2
}

vx_install_packages
vx_build
