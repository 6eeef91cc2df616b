#!/usr/bin/env bash
# Builds Tarvex and runs the whole test suite; an optional argument names the preset
# (dev by default, asan for the sanitizer build).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-dev}"
scripts/setup-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
export QT_QPA_PLATFORM=offscreen
ctest --preset "$preset"
