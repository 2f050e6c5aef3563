#!/usr/bin/env bash
# Runs a Windows program under Wine in a fresh copy of the pristine prefix, on a private Xvfb,
# and passes its exit code on. A failing run leaves a screenshot of the screen as it was.
#
#   run_in_prefix.sh WINE_ROOT NAME PROGRAM [ARGUMENTS...]
#
# WINE_ROOT holds "pristine" (made by make_pristine_prefix.sh); the run happens in
# WINE_ROOT/runs/NAME, screenshots go to WINE_ROOT/artifacts/NAME.png. Inside the program the
# environment variable QVD_RUN_FOLDER names the run folder (as a Linux path).
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"

root=${1:?}
name=${2:?}
shift 2
sandbox="$root/runs/$name"
artifacts="$root/artifacts"
rm -rf "$sandbox"
mkdir -p "$root/runs" "$artifacts"
rm -f "$artifacts/$name.png" "$artifacts/$name-at-failure.png"
if [ ! -d "$root/pristine/prefix" ]; then
  echo "no pristine prefix in $root (the fixture wine.prefix makes it)" >&2
  exit 2
fi
# The prefix's DLL folders are never written to: hard links keep each copy small and quick.
mkdir -p "$sandbox/prefix/drive_c/windows"
cp -a "$root/pristine/home" "$sandbox/"
for entry in "$root/pristine/prefix"/* "$root/pristine/prefix"/.[!.]*; do
  [ -e "$entry" ] || [ -L "$entry" ] || continue
  [ "$(basename "$entry")" = drive_c ] || cp -a "$entry" "$sandbox/prefix/"
done
for entry in "$root/pristine/prefix/drive_c"/*; do
  [ "$(basename "$entry")" = windows ] || cp -a "$entry" "$sandbox/prefix/drive_c/"
done
for entry in "$root/pristine/prefix/drive_c/windows"/*; do
  case "$(basename "$entry")" in
    system32 | winsxs) cp -al "$entry" "$sandbox/prefix/drive_c/windows/" ;;
    *) cp -a "$entry" "$sandbox/prefix/drive_c/windows/" ;;
  esac
done
qvd_wine_env "$sandbox"
export QVD_RUN_FOLDER="$sandbox"
# Programs that check what they see save the screen of their first failed check here.
failure_screen="$sandbox/failure-screen.bmp"
export QVD_FAILURE_SCREEN="Z:$(echo "$failure_screen" | tr / '\\')"
qvd_start_xvfb || exit 2

timeout --kill-after=10 "${QVD_WINE_TIMEOUT:-240}" "$QVD_WINE" "$@"
status=$?
if [ "$status" -ne 0 ]; then
  import -display "$DISPLAY" -window root "$artifacts/$name.png" 2>/dev/null &&
    echo "screenshot at the end: $artifacts/$name.png" >&2
  if [ -f "$failure_screen" ]; then
    convert "$failure_screen" "$artifacts/$name-at-failure.png" 2>/dev/null &&
      echo "screenshot at the first failed check: $artifacts/$name-at-failure.png" >&2
  fi
fi
"$QVD_WINESERVER" -k 2>/dev/null || true
qvd_stop_xvfb
if [ "$status" -eq 0 ] && [ -z "${QVD_KEEP_RUNS:-}" ]; then rm -rf "$sandbox"; fi
exit "$status"
