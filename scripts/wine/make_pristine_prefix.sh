#!/usr/bin/env bash
# Makes the pristine Wine prefix of one test run in the given folder: booted once, set up as
# measured in shared/WINE.md, and copied for every scenario afterwards.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/env.sh"

sandbox=${1:?usage: make_pristine_prefix.sh FOLDER}
rm -rf "$sandbox"
mkdir -p "$sandbox/home"
qvd_wine_env "$sandbox"
qvd_start_xvfb
trap 'qvd_stop_xvfb' EXIT

"$QVD_WINE" wineboot -i >/dev/null 2>&1 || true
"$QVD_WINESERVER" -w

# Without a window manager every hide of a top-level window stalls for 2 s unless Wine manages
# nothing itself; then it also draws the title bars. Arial is served by Liberation Sans.
cat >"$sandbox/settings.reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"Arial"="Liberation Sans"
REG
"$QVD_WINE" regedit /S 'Z:'"$(echo "$sandbox/settings.reg" | tr / '\\')" >/dev/null 2>&1
"$QVD_WINESERVER" -w

# Wine's own fonts (Tahoma, Marlett for the caption buttons) are not found otherwise.
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true

# wineboot links Desktop, Documents and the like to $HOME of this sandbox; copies of the prefix
# must not write into it, so they become real folders.
for link in "$WINEPREFIX"/drive_c/users/*/*; do
  if [ -L "$link" ]; then
    rm "$link"
    mkdir -p "$link"
  fi
done
mkdir -p "$WINEPREFIX/drive_c/users/Public/Desktop"
"$QVD_WINESERVER" -k 2>/dev/null || true
