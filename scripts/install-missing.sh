# shellcheck shell=bash
# Sourced by the other scripts: install_missing PACKAGE... installs those of the
# Debian packages that are not installed yet (as root, or through sudo).
#
# The terminal gets one line per call that installs something; what apt-get and
# dpkg say goes to build-apt.log beside the build folders (VEXLUME_APT_LOG names
# another file), and its last lines to the terminal when the install fails.
VEXLUME_APT_LOG="${VEXLUME_APT_LOG:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build-apt.log}"

install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    ((${#missing[@]})) || return 0
    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "These Debian packages are missing: ${missing[*]}" >&2
            echo "Install them as root (apt-get install ${missing[*]}), or install sudo, and run this again." >&2
            return 1
        fi
        as_root=(sudo)
    fi
    echo "Installing: ${missing[*]} (apt-get's output goes to $VEXLUME_APT_LOG)" >&2
    echo "=== $(date '+%F %T') apt-get install ${missing[*]}" >>"$VEXLUME_APT_LOG"
    # sudo asks for the password on the terminal itself, so nothing it says is lost.
    if ! { "${as_root[@]}" apt-get update -qq &&
        "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o Dpkg::Use-Pty=0 "${missing[@]}"; } \
        >>"$VEXLUME_APT_LOG" 2>&1; then
        echo "Installing ${missing[*]} failed. The last lines of $VEXLUME_APT_LOG:" >&2
        tail -n 25 "$VEXLUME_APT_LOG" >&2
        return 1
    fi
}
