#!/usr/bin/env bash
# Builds the Debian package of the program into build-package/:
#
#   bash scripts/package.sh
#   sudo apt-get install ./build-package/vexlume_*.deb
#
# Installing puts the program in /usr/bin, its desktop entry, metainfo and icon
# under /usr/share, its manual page and bash completion, and registers *.col
# files (text/x-vexlume-scheme) with it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-package"
log="$build.log"

source "$root/scripts/install-missing.sh"
install_missing cmake g++ make qt6-base-dev libfontconfig-dev dpkg-dev

failed() {
    echo "Building the package failed. The last lines of its log:" >&2
    tail -n 60 "$log" >&2
    echo "The whole log is $log" >&2
    exit 1
}
echo "Building the package in $build (a few minutes the first time; the log is $log) ..." >&2
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >"$log" 2>&1 || failed
cmake --build "$build" -j"$(nproc)" --target vexlume vexlume_manual >>"$log" 2>&1 || failed
(cd "$build" && cpack -G DEB >>"$log" 2>&1) || failed
ls "$build"/vexlume_*.deb
