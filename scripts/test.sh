#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite. Exits non-zero
# when a test fails.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
cd "$VEXLUME_BUILD"
ctest --output-on-failure -j"$(nproc)" "$@"
