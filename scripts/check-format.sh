#!/usr/bin/env bash
# Fails when a tracked C++ file differs from what .clang-format makes of it.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
if ! echo "$files" | xargs clang-format --dry-run --Werror 2>/tmp/tarvex-format.$$; then
  grep -E '^[^ ].*(warning|error):' /tmp/tarvex-format.$$ | cut -d: -f1 | sort -u |
    sed 's/^/not formatted: /'
  rm -f /tmp/tarvex-format.$$
  echo "Run: git ls-files '*.cpp' '*.h' | xargs clang-format -i"
  exit 1
fi
rm -f /tmp/tarvex-format.$$
echo "formatting: every C++ file as .clang-format has it"
