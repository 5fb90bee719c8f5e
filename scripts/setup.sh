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

# The build speaks only when it fails.
mkdir -p "$VEXLUME_BUILD"
log="$VEXLUME_BUILD/build.log"
if ! {
    if [ ! -f "$VEXLUME_BUILD/CMakeCache.txt" ]; then
        echo "Configuring and building in $VEXLUME_BUILD ..." >&2
        cmake -S "$VEXLUME_ROOT" -B "$VEXLUME_BUILD" "${vexlume_cmake_options[@]}"
    fi
    cmake --build "$VEXLUME_BUILD" -j"$(nproc)"
} >"$log" 2>&1; then
    cat "$log" >&2
    echo "The build failed; the log above is kept in $log" >&2
    exit 1
fi
