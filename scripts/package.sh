#!/usr/bin/env bash
# Builds the Debian package of the program into build-package/:
#
#   bash scripts/package.sh
#   sudo apt-get install ./build-package/vexlume_*.deb
#
# Installing puts the program in /usr/bin, its desktop entry and icon under
# /usr/share, and registers *.col files (text/x-vexlume-scheme) with it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-package"

source "$root/scripts/install-missing.sh"
install_missing cmake g++ make qt6-base-dev libfontconfig-dev dpkg-dev

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >"$build.log" 2>&1 || { cat "$build.log" >&2; exit 1; }
cmake --build "$build" -j"$(nproc)" --target vexlume >>"$build.log" 2>&1 || { cat "$build.log" >&2; exit 1; }
(cd "$build" && cpack -G DEB >>"$build.log" 2>&1) || { cat "$build.log" >&2; exit 1; }
ls "$build"/vexlume_*.deb
