#!/usr/bin/env bash
# Builds with line coverage, runs the whole suite and prints the coverage of src/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup-deps.sh
command -v gcovr >/dev/null || { sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"; $sudo apt-get install -y -qq gcovr; }
cmake --preset coverage >/dev/null
cmake --build --preset coverage
find build/coverage -name '*.gcda' -delete
QT_QPA_PLATFORM=offscreen ctest --preset coverage >/dev/null
gcovr -r . --object-directory build/coverage --filter 'src/' --print-summary \
  --html build/coverage/coverage.html >/dev/null
gcovr -r . --object-directory build/coverage --filter 'src/' --print-summary | tail -3
