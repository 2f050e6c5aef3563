#!/usr/bin/env bash
# Measures the advance widths of "Arial" with GDI under Wine, in a prefix made as the tests make
# theirs, and writes them into the headless stand-in's table:
#   src/platform/headless/arial_advance_widths.inc
# Run it again when the fonts of the test prefix or the setup's font sizes change.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

x86_64-w64-mingw32-g++ -std=c++20 -O2 -Wall -Wextra -Werror -fexec-charset=CP1252 -static \
  -I "$root/src" -o "$work/measure_advance_widths.exe" "$here/measure_advance_widths.cpp" -lgdi32

"$root/scripts/wine/make_pristine_prefix.sh" "$work/wine/pristine"
output="$work/arial_advance_widths.inc"
"$root/scripts/wine/run_in_prefix.sh" "$work/wine" measure \
  "$work/measure_advance_widths.exe" "Z:$(echo "$output" | tr / '\\')"
cp "$output" "$root/src/platform/headless/arial_advance_widths.inc"
echo "written: src/platform/headless/arial_advance_widths.inc"
