# Installs the Debian packages named as arguments that are not installed yet.
# Sourced by the run and test commands; needs root (or sudo) only when
# something is missing.
qz_need() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

# What building the library and the window needs (the library's X client
# code is compiled against libX11's headers and links nothing of X).
QZ_BUILD_PACKAGES=(build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev
                   fonts-liberation libx11-dev)

# What showing the window on a private X server and photographing it needs.
QZ_XVFB_PACKAGES=(xvfb x11-utils xdotool imagemagick)
