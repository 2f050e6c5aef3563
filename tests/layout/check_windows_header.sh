#!/bin/sh
# The Windows API is reached only through the platform layer: no file under src/ outside
# src/platform/win32/ may include <windows.h> (or another Windows SDK header that pulls it in).
src=${1:?usage: check_windows_header.sh SOURCE_DIR}/src
offenders=$(grep -rlE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](windows|winuser|winbase|winreg|wingdi|shlobj|objbase|commctrl|richedit)\.h[>"]' \
  "$src" --include='*.cpp' --include='*.h' | grep -v "^$src/platform/win32/")
if [ -n "$offenders" ]; then
  echo "Windows headers outside src/platform/win32/:"
  echo "$offenders"
  exit 1
fi
