#!/usr/bin/env bash
# Every test: builds the three presets and runs ctest for each (unit, contract, end-to-end under
# Wine, fuzzing for a bounded time). Screenshots of failed Wine scenarios stay in
# build/win64/wine/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure_tools.sh

status=0
for preset in host win32 win64; do
  echo "=== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
for preset in host win32 win64; do
  echo "=== tests of $preset"
  ctest --preset "$preset" --parallel 2 || status=1
done
exit $status
