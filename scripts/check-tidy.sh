#!/usr/bin/env bash
# Runs clang-tidy with the repository's .clang-tidy over src/ on the dev build's compile
# commands; fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -f build/dev/compile_commands.json ] || { cmake --preset dev >/dev/null; cmake --build --preset dev; }
log=$(mktemp)
status=0
run-clang-tidy -p build/dev -j "$(nproc)" -quiet "$(pwd)/src/" >"$log" 2>&1 || status=$?
findings=$(sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E '^/.*: (warning|error): ' | sort -u || true)
rm -f "$log"
if [ -n "$findings" ] || [ "$status" -ne 0 ]; then
  echo "$findings"
  echo "clang-tidy: findings in src/ (or run-clang-tidy failed with status $status)"
  exit 1
fi
echo "clang-tidy: src/ is clean"
