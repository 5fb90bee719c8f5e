#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor. Arguments are passed on,
# so "bash scripts/run.sh --check FILE.col" works as well.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
exec "$VEXLUME_BUILD/vexlume" "$@"
