#!/usr/bin/env bash
# Counts how often the editor wakes while nobody uses it, against the plainest
# Qt Widgets window (bench/minimal_window): each is started under one virtual
# display with a settings store in which the disclaimer was agreed to, left
# alone until its window is up, and then watched for SECONDS (default 10). A
# wake is a voluntary context switch: the process gave up the processor to wait
# (for a timer, the display, ...) and was woken again. The main thread's count
# is the one that matters; the count of all threads together comes beside it.
#
#   bash scripts/idle-wakeups.sh [SECONDS]
#
# VEXLUME_BUILD_DIR=folder measures the programs of another build folder, as
# they are, without building.
set -euo pipefail
seconds="${1:-10}"

if [ -z "${VEXLUME_BUILD_DIR:-}" ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
    install_missing xvfb
    VEXLUME_BUILD_DIR="$VEXLUME_BUILD"
fi

switches() { # pid [task]: the voluntary context switches of its main thread, or of all its threads
    if [ "${2:-}" = all ]; then
        cat /proc/"$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ { n += $2 } END { print n }'
    else
        awk '/^voluntary_ctxt_switches/ { print $2 }' /proc/"$1"/status
    fi
}

measure() { # name program
    "$2" >/dev/null 2>&1 &
    local pid=$!
    sleep 2 # the window is up long before
    local main all
    main=$(switches "$pid")
    all=$(switches "$pid" all)
    sleep "$seconds"
    main=$(($(switches "$pid") - main))
    all=$(($(switches "$pid" all) - all))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    awk -v n="$1" -v m="$main" -v a="$all" -v s="$seconds" \
        'BEGIN { printf "%-15s %5d wakes in %d s (%.1f a second); all threads %d\n", n ":", m, s, m / s, a }'
}

run() {
    export HOME="$(mktemp -d)"
    unset XDG_CONFIG_HOME
    mkdir -p "$HOME/.config"
    printf '[Reg]\nRegDone=1\nversion=de\n' >"$HOME/.config/QVX_VXL.conf"
    measure "minimal window" "$VEXLUME_BUILD_DIR/bench/minimal_window"
    measure "editor" "$VEXLUME_BUILD_DIR/vexlume"
    rm -rf "$HOME"
}
if [ -z "${VEXLUME_IDLE_DISPLAY:-}" ]; then
    VEXLUME_IDLE_DISPLAY=1 VEXLUME_BUILD_DIR="$VEXLUME_BUILD_DIR" \
        exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi
run
