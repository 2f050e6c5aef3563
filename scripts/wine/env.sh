# Sourced: the environment of a Wine sandbox folder ($1) holding "prefix" and "home".
# Every run gets its own prefix, home and XDG folders, no debug output, no Mono or Gecko
# prompts and no desktop entries for saved links.
qvd_wine_env() {
  local sandbox="$1"
  export WINEPREFIX="$sandbox/prefix"
  export HOME="$sandbox/home"
  export XDG_CONFIG_HOME="$sandbox/home/.config"
  export XDG_DATA_HOME="$sandbox/home/.local/share"
  export XDG_CACHE_HOME="$sandbox/home/.cache"
  export XDG_RUNTIME_DIR="$sandbox/home/.run"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEARCH=win64
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
}

# Starts a private Xvfb and exports DISPLAY; its pid goes to QVD_XVFB_PID.
qvd_start_xvfb() {
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  QVD_XVFB_PID=$!
  local number
  read -r -t 20 number <"$fifo" || { rm -f "$fifo"; echo "Xvfb did not start" >&2; return 1; }
  rm -f "$fifo"
  export DISPLAY=":$number"
}

qvd_stop_xvfb() {
  if [ -n "${QVD_XVFB_PID:-}" ]; then
    kill "$QVD_XVFB_PID" 2>/dev/null || true
    wait "$QVD_XVFB_PID" 2>/dev/null || true
    QVD_XVFB_PID=
  fi
}

QVD_WINE=/usr/lib/wine/wine64
QVD_WINESERVER=/usr/lib/wine/wineserver
