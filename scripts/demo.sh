#!/usr/bin/env bash
# Builds the setup and starts it under Wine so that a person can try it: on the screen when
# there is a display, otherwise on a private Xvfb (then a screenshot shows where it got to).
# The Wine prefix lives in build/demo and is kept between runs; --fresh starts from a new one.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/ensure_tools.sh

cmake --preset win64 >/dev/null
cmake --build --preset win64 --target setup_qvdlumorak
. scripts/wine/env.sh

demo="$root/build/demo"
if [ "${1:-}" = "--fresh" ] || [ ! -d "$demo/prefix" ]; then
  echo "Preparing a Wine prefix in $demo (about ten seconds) ..."
  scripts/wine/make_pristine_prefix.sh "$demo"
fi
qvd_wine_env "$demo"

own_display=""
if [ -z "${DISPLAY:-}" ]; then
  qvd_start_xvfb
  own_display=1
  echo "No display: running on a private Xvfb ($DISPLAY)."
fi

setup="Z:$(echo "$root/build/win64/setup_qvdlumorak.exe" | tr / '\\')"
echo "Starting the setup ..."
"$QVD_WINE" "$setup" &
wine_pid=$!
if [ -n "$own_display" ]; then
  # Nobody can click on a private screen: show where the setup got to, then end it.
  sleep "${QVD_DEMO_SECONDS:-20}"
  import -display "$DISPLAY" -window root "$demo/screenshot.png" 2>/dev/null &&
    echo "Screenshot: $demo/screenshot.png"
  "$QVD_WINESERVER" -k 2>/dev/null || true
  wait "$wine_pid" 2>/dev/null || true
  qvd_stop_xvfb
else
  code=0
  wait "$wine_pid" || code=$?
  echo "The setup ended with exit code $code."
fi
