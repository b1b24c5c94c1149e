#!/usr/bin/env bash
# Cross-builds the Windows program on Debian 12 and tests it under Wine.
#
#   bash scripts/build-windows.sh            everything: ends with dist/Velinda-<version>-win64.zip
#   bash scripts/build-windows.sh STEP...    only the named steps, in order
#
# Steps: packages sources qt libs program tests smoke zip.
#
# Qt and the libraries for Windows are built once into a cache folder outside
# the repository (VELINDA_WIN64_CACHE, default ~/.cache/velinda-win64) and
# reused while their stamp (version and options) matches; the first build
# takes hours on two cores. Everything heavy runs under `nice`.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
cache=${VELINDA_WIN64_CACHE:-$HOME/.cache/velinda-win64}
jobs=${VELINDA_JOBS:-2}
build=$repo/build-win64
dist=$repo/dist
qt_version=6.4.2
triplet=x86_64-w64-mingw32
toolchain=$repo/cmake/mingw-w64-x86_64.cmake
host_qt_cmake=/usr/lib/x86_64-linux-gnu/cmake

src=$cache/src
qt_prefix=$cache/qt
libs_prefix=$cache/libs

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

say() { printf '\n== %s\n' "$*"; }
run_nice() { nice -n 19 "$@"; }

# --- packages ---------------------------------------------------------------

packages=(
  cmake ninja-build pkg-config dpkg-dev ccache
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  mingw-w64-tools
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-svg-dev
  wine64 xvfb xauth openbox imagemagick xdotool
  poppler-utils libreoffice-calc-nogui
  zip unzip
)

step_packages() {
  say "Debian packages"
  ensure_deb_src
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=900 \
      "${missing[@]}"
  fi
}

# apt-get source needs a deb-src entry for bookworm; one of our own is added
# beside the system's when none is there.
ensure_deb_src() {
  local list=/etc/apt/sources.list.d/velinda-deb-src.sources
  if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    printf '%s\n' 'Types: deb-src' 'URIs: http://deb.debian.org/debian' \
      'Suites: bookworm bookworm-updates' 'Components: main' \
      'Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg' |
      "${as_root[@]}" tee "$list" >/dev/null
  fi
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get update -q -o DPkg::Lock::Timeout=900
}

# --- sources ----------------------------------------------------------------

source_packages=(qt6-base qt6-svg qt6-translations zlib libzip libxlsxwriter)

# The unpacked source folder of a Debian source package, by package name.
source_dir() {
  local d
  d=$(find "$src" -mindepth 1 -maxdepth 1 -type d -name "$1-*" | sort | tail -1)
  [ -n "$d" ] || { echo "missing source of $1 in $src" >&2; exit 1; }
  echo "$d"
}

step_sources() {
  say "Source packages into $src"
  mkdir -p "$src"
  for p in "${source_packages[@]}"; do
    if ! find "$src" -mindepth 1 -maxdepth 1 -type d -name "$p-*" | grep -q .; then
      (cd "$src" && apt-get source -q "$p")
    fi
  done
  local qt_src
  qt_src=$(source_dir qt6-base)
  case $qt_src in
    *-$qt_version*) ;;
    *) echo "expected Qt $qt_version, found $qt_src" >&2; exit 1 ;;
  esac
}

# --- qt ---------------------------------------------------------------------

# A minimal Qt: what the program and its tests use, with the bundled image,
# font and regular-expression libraries so that nothing else has to be found
# for Windows.
qt_options=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=ON
  -DQT_HOST_PATH=/usr
  -DQT_HOST_PATH_CMAKE_DIR=$host_qt_cmake
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_xml=ON
  -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
  -DFEATURE_freetype=ON -DINPUT_freetype=qt -DFEATURE_system_freetype=OFF
  -DFEATURE_harfbuzz=ON -DINPUT_harfbuzz=qt -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_zstd=OFF -DFEATURE_icu=OFF
)

# What the cache was built from: a different stamp rebuilds it.
stamp_of() { printf '%s\n' "$@" | sha256sum | cut -c1-16; }

# Builds one Qt module into the cache unless its stamp shows it is there.
# Usage: build_qt_module NAME SOURCE_DIR CONFIGURE_COMMAND...
build_qt_module() {
  local name=$1 module_src=$2
  shift 2
  local stamp module_build=$cache/build/$name
  stamp=$(stamp_of "$qt_version" "$@" "$($triplet-g++-posix -dumpfullversion)")
  if [ "$(cat "$qt_prefix/.stamp-$name" 2>/dev/null)" = "$stamp" ]; then
    say "$name $qt_version for Windows: cached in $qt_prefix"
    return
  fi
  say "$name $qt_version for Windows into $qt_prefix"
  rm -rf "$module_build"
  run_nice "$@" -S "$module_src" -B "$module_build" -G Ninja
  run_nice cmake --build "$module_build" -j"$jobs"
  cmake --install "$module_build"
  echo "$stamp" >"$qt_prefix/.stamp-$name"
}

step_qt() {
  # A new Qt base invalidates every module built on it.
  if [ "$(cat "$qt_prefix/.stamp-qtbase" 2>/dev/null)" != \
    "$(stamp_of "$qt_version" cmake -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
      -DCMAKE_INSTALL_PREFIX="$qt_prefix" "${qt_options[@]}" \
      "$($triplet-g++-posix -dumpfullversion)")" ]; then
    rm -rf "$qt_prefix"
  fi
  build_qt_module qtbase "$(source_dir qt6-base)" cmake -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix" "${qt_options[@]}"
  build_qt_module qtsvg "$(source_dir qt6-svg)" "$qt_prefix/bin/qt-cmake" \
    -DCMAKE_BUILD_TYPE=Release -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF

  # Qt's own dialogs in Italian.
  local tr_src
  tr_src=$(source_dir qt6-translations)
  mkdir -p "$qt_prefix/translations"
  /usr/lib/qt6/bin/lrelease -silent "$tr_src/translations/qtbase_it.ts" \
    -qm "$qt_prefix/translations/qtbase_it.qm"
}

# --- libs -------------------------------------------------------------------

# zlib is linked into the two libraries statically; they become DLLs of their
# own, as on Debian.
libs_cmake_options=(
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$libs_prefix"
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DVELINDA_WIN64_PREFIXES="$libs_prefix"
)
libzip_options=(
  -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF
  -DENABLE_WINDOWS_CRYPTO=ON -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF
  -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF
)
xlsxwriter_options=(-DUSE_SYSTEM_MINIZIP=OFF -DBUILD_TESTS=OFF -DBUILD_EXAMPLES=OFF)

step_libs() {
  local stamp
  stamp=$(stamp_of "${source_packages[@]}" "${libs_cmake_options[@]}" "${libzip_options[@]}" \
    "${xlsxwriter_options[@]}" "$($triplet-g++-posix -dumpfullversion)" \
    "$(cd "$src" && ls -d zlib-* libzip-* libxlsxwriter-*)")
  if [ "$(cat "$libs_prefix/.stamp" 2>/dev/null)" = "$stamp" ]; then
    say "zlib, libzip, libxlsxwriter for Windows: cached in $libs_prefix"
    return
  fi
  say "zlib, libzip, libxlsxwriter for Windows into $libs_prefix"
  rm -rf "$libs_prefix" "$cache/build/zlib" "$cache/build/libzip" "$cache/build/libxlsxwriter"
  mkdir -p "$cache/build"
  cp -a "$(source_dir zlib)" "$cache/build/zlib"
  (cd "$cache/build/zlib" &&
    CHOST=$triplet CC=$triplet-gcc-posix AR=$triplet-ar RANLIB=$triplet-ranlib \
      ./configure --static --prefix="$libs_prefix" >/dev/null &&
    run_nice make -j"$jobs" libz.a >/dev/null && make install >/dev/null)

  run_nice cmake -S "$(source_dir libzip)" -B "$cache/build/libzip" -G Ninja \
    "${libs_cmake_options[@]}" "${libzip_options[@]}"
  run_nice cmake --build "$cache/build/libzip" -j"$jobs"
  cmake --install "$cache/build/libzip"

  run_nice cmake -S "$(source_dir libxlsxwriter)" -B "$cache/build/libxlsxwriter" -G Ninja \
    "${libs_cmake_options[@]}" "${xlsxwriter_options[@]}"
  run_nice cmake --build "$cache/build/libxlsxwriter" -j"$jobs"
  cmake --install "$cache/build/libxlsxwriter"
  echo "$stamp" >"$libs_prefix/.stamp"
}

# --- main -------------------------------------------------------------------

all_steps=(packages sources qt libs)
steps=("$@")
[ ${#steps[@]} -gt 0 ] || steps=("${all_steps[@]}")
for s in "${steps[@]}"; do
  "step_$s"
done
