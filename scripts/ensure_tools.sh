#!/usr/bin/env bash
# Installs the Debian packages the project needs when they are missing; quick when present.
# Needs root (or sudo) only when something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest libgtest-dev libbenchmark-dev   # host build and tests
  clang libclang-rt-14-dev                                          # fuzzing
  g++-mingw-w64-i686 g++-mingw-w64-x86-64                           # the Windows builds
  fp-utils                                                          # chmcmd, the help compiler
  wine wine64 xvfb xdotool x11-utils imagemagick fonts-liberation fonts-wine  # Wine tests
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
