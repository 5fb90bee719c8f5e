#!/usr/bin/env bash
# Times the editor's start against the plainest Qt Widgets window, both started
# from outside under one virtual display: from the start of the process until the
# window's first frame is on the screen (bench/startup_probe watches a pixel of
# it), ten starts each, alternating, median of each.
#
#   bash scripts/startup-time.sh [STARTS]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
starts="${1:-10}"

install_missing xvfb

measure() { # program: prints milliseconds until its window is drawn
    "$VEXLUME_BUILD/bench/startup_probe" 20 10 "$1"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

run() {
    # A settings store of its own, with the disclaimer agreed to, as a returning
    # user starts; the first start of each program warms the caches and is not counted.
    export HOME="$(mktemp -d)"
    mkdir -p "$HOME/.config"
    printf '[Reg]\nRegDone=1\nversion=de\n' >"$HOME/.config/QVX_VXL.conf"
    measure "$VEXLUME_BUILD/bench/minimal_window" >/dev/null
    measure "$VEXLUME_BUILD/vexlume" >/dev/null
    local minimal=() editor=()
    for ((i = 0; i < starts; ++i)); do
        minimal+=("$(measure "$VEXLUME_BUILD/bench/minimal_window")")
        editor+=("$(measure "$VEXLUME_BUILD/vexlume")")
    done
    local m e
    m=$(printf '%s\n' "${minimal[@]}" | median)
    e=$(printf '%s\n' "${editor[@]}" | median)
    echo "minimal window: ${minimal[*]} ms, median $m ms"
    echo "editor:         ${editor[*]} ms, median $e ms"
    awk -v e="$e" -v m="$m" 'BEGIN { printf "editor / minimal: %.2f\n", e / m }'
}
if [ -z "${VEXLUME_TIMING_DISPLAY:-}" ]; then
    VEXLUME_TIMING_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
run
