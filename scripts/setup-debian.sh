#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need,
# only those still missing. Runs apt as root, or through sudo.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev
  fonts-liberation2 fonts-dejavu-core
  breeze-icon-theme
  libzip-dev
  libcups2-dev cups-daemon cups-filters printer-driver-cups-pdf
  poppler-utils desktop-file-utils
  samba smbnetfs fuse3
  libbenchmark-dev
  clang libclang-rt-dev clang-format
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
