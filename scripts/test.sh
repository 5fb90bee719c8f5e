#!/usr/bin/env bash
# Installs what is missing, builds, checks the files the desktop and the shell
# read (scripts/check-desktop-files.sh), and runs the whole test suite. Exits
# non-zero when a check or a test fails.
#
#   bash scripts/test.sh               the normal build, every test
#   bash scripts/test.sh --quick       without the long-running tests (CTest label
#                                      "long": the monkey test and the random
#                                      schemes the readability fixes are held against)
#   bash scripts/test.sh --sanitized   everything built with AddressSanitizer and
#                                      UndefinedBehaviorSanitizer, leaks checked
# Further arguments go to ctest ("-R monkey").
set -euo pipefail
quick=()
if [ "${1:-}" = --quick ]; then
    quick=(-LE long)
    shift
fi
if [ "${1:-}" = --sanitized ]; then
    export VEXLUME_SANITIZED=1
    shift
fi
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
# Photographs to derive schemes from (the desktop's backgrounds, as WebP), and
# Qt's plugins that read WebP.
install_missing gnome-backgrounds qt6-image-formats-plugins
cd "$VEXLUME_BUILD"
if [ "${VEXLUME_SANITIZED:-0}" = 1 ]; then
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$VEXLUME_ROOT/tests/leaks.supp:print_suppressions=0"
fi
# The metainfo, desktop entry, manual page and bash completion, as written and
# as installed from this build (appstream, desktop-file-utils and man-db are
# installed for it when missing).
bash "$VEXLUME_ROOT/scripts/check-desktop-files.sh" "$VEXLUME_BUILD"
ctest --output-on-failure -j"$(nproc)" "${quick[@]}" "$@"
