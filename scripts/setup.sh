#!/usr/bin/env bash
# Sourced by run.sh and test.sh: installs the Debian packages the build needs when
# they are missing, then builds into build/ (incrementally after the first time).
# With VEXLUME_SANITIZED=1 it builds into build-sanitized/ with AddressSanitizer
# and UndefinedBehaviorSanitizer instead.
set -euo pipefail

VEXLUME_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
VEXLUME_BUILD="$VEXLUME_ROOT/build"
vexlume_cmake_options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${VEXLUME_SANITIZED:-0}" = 1 ]; then
    VEXLUME_BUILD="$VEXLUME_ROOT/build-sanitized"
    vexlume_cmake_options+=(-DVEXLUME_SANITIZE=ON)
fi

source "$VEXLUME_ROOT/scripts/install-missing.sh"
install_missing cmake g++ make qt6-base-dev qt6-translations-l10n libfontconfig-dev libbenchmark-dev

# Everything the build says goes to its log. The terminal shows how far it got:
# on a terminal one line that keeps being overwritten with the build's latest
# progress line ("[ 42%] Building CXX object ...") and is gone when the build is
# done; elsewhere (a CI log) the first line of every new percentage that compiles
# or links something. A build with nothing to do shows nothing. When the build
# fails, the log's last lines are shown with its place.
vexlume_show_progress() {
    local line percent shown='' columns=80
    local progress='^\[ *([0-9]+)(%|/([0-9]+))\] ' # make's "[ 42%] ", ninja's "[12/345] "
    if [ -t 2 ]; then
        columns=$(stty size <&2 2>/dev/null | cut -d' ' -f2) || true
        [[ ${columns:-} =~ ^[0-9]+$ ]] && ((columns > 20)) || columns=80
        while IFS= read -r line; do
            [[ $line =~ $progress ]] || continue
            line=${line/CMakeFiles\/*.dir\//} # the object's folder says little
            printf '\r\033[K%s' "${line:0:columns-1}" >&2
            shown=1
        done
        [ -z "$shown" ] || printf '\r\033[K' >&2
    else
        while IFS= read -r line; do
            [[ $line =~ $progress ]] || continue
            percent=${BASH_REMATCH[1]}
            [ -z "${BASH_REMATCH[3]}" ] || percent=$((100 * percent / BASH_REMATCH[3]))
            if ! [[ $line =~ \]\ (Building|Linking) ]] || [ "$percent" = "$shown" ]; then
                continue
            fi
            shown=$percent
            echo "$line" >&2
        done
    fi
}

mkdir -p "$VEXLUME_BUILD"
log="$VEXLUME_BUILD/build.log"
: >"$log"
# Configured once; after that the build configures again by itself when a
# CMakeLists.txt changes. A configuration that failed left no Makefile behind.
vexlume_configured=1
[ -f "$VEXLUME_BUILD/CMakeCache.txt" ] && { [ -f "$VEXLUME_BUILD/Makefile" ] || [ -f "$VEXLUME_BUILD/build.ninja" ]; } ||
    vexlume_configured=
if [ -z "$vexlume_configured" ]; then
    echo "Configuring and building in $VEXLUME_BUILD (a few minutes the first time; the full log is $log) ..." \
        | tee -a "$log" >&2
fi
if ! {
    { [ -n "$vexlume_configured" ] ||
        cmake -S "$VEXLUME_ROOT" -B "$VEXLUME_BUILD" "${vexlume_cmake_options[@]}" 2>&1; } &&
        cmake --build "$VEXLUME_BUILD" -j"$(nproc)" 2>&1
} | tee -a "$log" | vexlume_show_progress; then
    echo "The build failed. The last lines of its log:" >&2
    tail -n 60 "$log" >&2
    echo "The whole log is $log" >&2
    exit 1
fi
