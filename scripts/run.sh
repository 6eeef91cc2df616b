#!/usr/bin/env bash
# Builds Tarvex with the demo carrier's data and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
exec build/release/bin/tarvex "$@"
