# Shared by scripts/run and scripts/test: install what is missing, then configure and build.
# Sourced, not run. Set KELMORA_BUILD_DIR to build elsewhere than ./build.

KELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KELMORA_BUILD_DIR=${KELMORA_BUILD_DIR:-$KELMORA_ROOT/build}

# qt6-tools-dev and qt6-l10n-tools build the translations (lupdate, lrelease); qt6-translations-l10n
# holds Qt's own (qtbase_*.qm), which the program loads for its dialogs and buttons. libqt6svg6's
# image plugin draws the About window's picture from its SVG.
# The last six check and package the installed program (tests/install, scripts/package).
kelmora_packages=(cmake g++ make qt6-base-dev libqt6svg6 qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
                  xdg-utils fonts-dejavu-core
                  desktop-file-utils appstream groff-base file dpkg-dev shared-mime-info)

kelmora_install_missing() {
    local missing=()
    local pkg
    for pkg in "${kelmora_packages[@]}" "$@"; do
        dpkg -s "$pkg" >/dev/null 2>&1 || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "Installing missing packages: ${missing[*]}"
    if [ "$(id -u)" -ne 0 ]; then
        echo "error: these Debian packages are needed: ${missing[*]}" >&2
        echo "       run this script as root, or install them with: sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

kelmora_build() {
    if [ ! -f "$KELMORA_BUILD_DIR/CMakeCache.txt" ]; then
        cmake -S "$KELMORA_ROOT" -B "$KELMORA_BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    fi
    cmake --build "$KELMORA_BUILD_DIR" --parallel "$(nproc)" "$@"
}
