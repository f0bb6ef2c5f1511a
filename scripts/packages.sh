# Sourced by the scripts: installs the Debian packages given that are not installed yet
# (with sudo when not root). Quick when nothing is missing.
install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}

# What every build of the program needs.
build_packages=(cmake g++ make qt6-base-dev qt6-serialport-dev qt6-charts-dev qt6-translations-l10n
                libgl-dev qt6-qpa-plugins)
# What the tests need beside the build: pdftotext and pdfinfo read the tune sheet back.
test_packages=(poppler-utils)
