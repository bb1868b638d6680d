# Sourced by the project's commands: installs the Debian packages the build
# needs (only those missing), then configures and builds incrementally.
# BUILD_DIR, CMAKE_ARGS and VX_QT_MAJOR (5, the default, or 6: then the
# tree is build-qt6 unless BUILD_DIR says otherwise) may be set by the caller.
set -euo pipefail

VX_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VX_QT_MAJOR=${VX_QT_MAJOR:-5}
case "$VX_QT_MAJOR" in
    5) BUILD_DIR=${BUILD_DIR:-$VX_ROOT/build}
       VX_QT_PACKAGES=(qtbase5-dev qtbase5-dev-tools libqt5websockets5-dev libqt5serialport5-dev libqt5svg5-dev
                       qttools5-dev qttools5-dev-tools libqt5sql5-sqlite) ;;
    6) BUILD_DIR=${BUILD_DIR:-$VX_ROOT/build-qt6}
       VX_QT_PACKAGES=(qt6-base-dev qt6-base-dev-tools qt6-websockets-dev qt6-serialport-dev qt6-svg-dev
                       qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libqt6sql6-sqlite) ;;
    *) echo "VX_QT_MAJOR is $VX_QT_MAJOR: it must be 5 or 6" >&2; exit 2 ;;
esac

VX_PACKAGES=(
    cmake ninja-build g++ pkg-config
    "${VX_QT_PACKAGES[@]}"
    fonts-noto-cjk
    libbenchmark-dev
    help2man dpkg-dev file
    man-db
    xvfb xauth wmdocker
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
        cmake -S "$VX_ROOT" -B "$BUILD_DIR" -G Ninja -DVX_QT_MAJOR="$VX_QT_MAJOR" ${CMAKE_ARGS:-}
    fi
    # A tree keeps the Qt it was configured with (its install names too);
    # one configured before the choice existed is a Qt 5 tree.
    local configured
    configured=$(sed -n 's/^VX_QT_MAJOR:STRING=//p' "$BUILD_DIR/CMakeCache.txt")
    configured=${configured:-5}
    if [ "$configured" != "$VX_QT_MAJOR" ]; then
        echo "$BUILD_DIR is configured for Qt $configured, not Qt $VX_QT_MAJOR: choose another BUILD_DIR" >&2
        exit 2
    fi
    cmake --build "$BUILD_DIR" -j2
}

vx_install_packages
vx_build
