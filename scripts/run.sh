#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor. Arguments are passed on,
# so "bash scripts/run.sh --check FILE.col" works as well.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# The editor (no arguments, or one scheme file) needs a display. Without one the
# program would suggest running "vexlume" under xvfb-run, but from a checkout it
# is this script that finds the built program, so name it here. The modes that
# need no display, and everything else, go to the program as they are.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ] &&
    { [ $# -eq 0 ] || { [ $# -eq 1 ] && [[ $1 != -* ]]; }; }; then
    {
        echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so the editor window cannot open."
        echo "Run it inside a virtual display:"
        command -v xvfb-run >/dev/null ||
            echo "  apt-get install xvfb        (as root, or with sudo; it provides xvfb-run)"
        printf '  xvfb-run -a bash %q' "$0"
        (($# == 0)) || printf ' %q' "$@"
        echo
        echo "The modes that need no display work as they are:"
        echo "  bash $0 --check FILE.col..."
        echo "  bash $0 --render [--scale N] FILE.col OUT.png"
        echo "  bash $0 --contrast FILE.col..."
        echo "  bash $0 --help"
    } >&2
    exit 1
fi
exec "$VEXLUME_BUILD/vexlume" "$@"
