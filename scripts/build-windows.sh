#!/usr/bin/env bash
# Cross-builds the Windows program on Debian 12 and tests it under Wine.
#
#   bash scripts/build-windows.sh            everything: ends with dist/Velinda-<version>-win64.zip
#   bash scripts/build-windows.sh STEP...    only the named steps, in order
#
# Steps: packages sources qt libs host program tests zip smoke; cache_ready
# only tells whether the cache holds what the later steps need.
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
repo_toolchain=$repo/cmake/mingw-w64-x86_64.cmake
# The builds in the cache keep a copy of the toolchain file, so that they
# survive the checkout they were started from.
toolchain=$cache/mingw-w64-x86_64.cmake
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
  wine wine64 xvfb xauth x11-utils openbox imagemagick xdotool
  poppler-utils libreoffice-calc-nogui fonts-liberation2
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

# No Qt SVG: Debian's mirrors do not serve its source, so the Windows program
# carries its pictures as PNG, drawn at build time by the native build's
# tools/bake_art (VELINDA_ART_AS_PNG, on by itself without Qt SVG).
source_packages=(qt6-base zlib libzip)

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
  local missing=()
  for p in "${source_packages[@]}"; do
    if ! find "$src" -mindepth 1 -maxdepth 1 -type d -name "$p-*" | grep -q .; then
      (cd "$src" && apt-get source -q "$p") || missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "The Debian sources of ${missing[*]} could not be fetched (see apt-get's words above);" \
      "the Windows build needs them." >&2
    exit 1
  fi
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
  # Debian's source leaves out the Wintab header (not free), which pen
  # tablets need; the program has no use for them.
  -DFEATURE_tabletevent=OFF
)

copy_toolchain() {
  mkdir -p "$cache"
  cmp -s "$repo_toolchain" "$toolchain" || cp "$repo_toolchain" "$toolchain"
}

# What the cache was built from: a different stamp rebuilds it.
stamp_of() { printf '%s\n' "$@" | sha256sum | cut -c1-16; }

# Builds one Qt module into the cache unless its stamp shows it is there; an
# interrupted build with the same options goes on where it stopped. The stamp
# holds the options, not where this tree is, so another checkout reuses it.
# Usage: build_qt_module NAME SOURCE_DIR BUILT_ON OPTION...
# (BUILT_ON: the stamp of what the module is built on, if anything)
build_qt_module() {
  local name=$1 module_src=$2 built_on=$3
  shift 3
  local stamp module_build=$cache/build/$name
  stamp=$(stamp_of "$qt_version" "$built_on" "$@" "$($triplet-g++-posix -dumpfullversion)")
  if [ "$(cat "$qt_prefix/.stamp-$name" 2>/dev/null)" = "$stamp" ]; then
    say "$name $qt_version for Windows: cached in $qt_prefix"
    return
  fi
  say "$name $qt_version for Windows into $qt_prefix"
  if [ "$(cat "$module_build/.stamp" 2>/dev/null)" != "$stamp" ]; then
    rm -rf "$module_build"
    run_nice cmake -S "$module_src" -B "$module_build" -G Ninja \
      -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_INSTALL_PREFIX="$qt_prefix" "$@"
    echo "$stamp" >"$module_build/.stamp"
  fi
  run_nice cmake --build "$module_build" -j"$jobs"
  # A new Qt base makes whatever was installed before it stale.
  [ "$name" != qtbase ] || rm -rf "$qt_prefix"
  cmake --install "$module_build"
  echo "$stamp" >"$qt_prefix/.stamp-$name"
}

step_qt() {
  copy_toolchain
  build_qt_module qtbase "$(source_dir qt6-base)" "" "${qt_options[@]}"
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
step_libs() {
  copy_toolchain
  local stamp
  stamp=$(stamp_of "${source_packages[@]}" "${libs_cmake_options[@]}" "${libzip_options[@]}" \
    "$($triplet-g++-posix -dumpfullversion)" "$(cd "$src" && ls -d zlib-* libzip-*)")
  if [ "$(cat "$libs_prefix/.stamp" 2>/dev/null)" = "$stamp" ]; then
    say "zlib and libzip for Windows: cached in $libs_prefix"
    return
  fi
  say "zlib and libzip for Windows into $libs_prefix"
  rm -rf "$libs_prefix" "$cache/build/zlib" "$cache/build/libzip"
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
  echo "$stamp" >"$libs_prefix/.stamp"
}

# --- host -------------------------------------------------------------------

# A native build of the same tree: a cross build runs its tools (the password
# store, the guide, the pictures as PNG), and the smoke test compares the Windows program's files
# with the ones the Linux program writes.
host_build=${VELINDA_HOST_BUILD:-$repo/build}

step_host() {
  say "Native build in $host_build (tools and the reference program)"
  bash "$repo/scripts/setup-debian.sh"
  [ -f "$host_build/CMakeCache.txt" ] || cmake -S "$repo" -B "$host_build"
  run_nice cmake --build "$host_build" -j"$jobs" --target velinda make_password_store make_guide bake_art
}

# --- program ----------------------------------------------------------------

step_program() {
  say "velinda.exe and the tests that need no GUI, into $build"
  local launcher
  launcher=$(command -v ccache || true)
  run_nice cmake -S "$repo" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$repo_toolchain" \
    -DVELINDA_WIN64_PREFIXES="$qt_prefix;$libs_prefix" \
    -DCMAKE_PREFIX_PATH="$qt_prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_qt_cmake" \
    -DVELINDA_HOST_BUILD_DIR="$host_build" \
    -DCMAKE_BUILD_TYPE=Release -DVELINDA_WERROR=ON \
    -DVELINDA_BUILD_FUZZ=OFF -DVELINDA_BUILD_BENCH=OFF \
    ${launcher:+-DCMAKE_CXX_COMPILER_LAUNCHER="$launcher"}
  run_nice cmake --build "$build" -j"$jobs" --target velinda nogui_tests velinda_other_station
}

# --- wine -------------------------------------------------------------------

# The folders holding the DLLs every Windows program of the build loads.
runtime_dirs() {
  echo "$qt_prefix/bin"
  echo "$libs_prefix/bin"
  dirname "$($triplet-g++-posix -print-file-name=libstdc++-6.dll)"
  dirname "$($triplet-g++-posix -print-file-name=libwinpthread-1.dll)"
}

# A Wine prefix of our own, in the cache, made once; a wineserver that
# outlives each program by a minute saves Wine's start-up for every test.
wine_env() {
  export WINEPREFIX=$cache/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  local path="" d
  while read -r d; do path+="Z:${d//\//\\};"; done < <(runtime_dirs)
  export WINEPATH=$path
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    say "Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  # Every Windows PC has Arial, the forms' font; Wine has none and would
  # print them in another font. Liberation Sans has Arial's metrics, as it
  # stands in for Arial on Linux.
  if ! grep -q '"Arial"="Liberation Sans"' "$WINEPREFIX/user.reg"; then
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ \
      /d 'Liberation Sans' /f >/dev/null 2>&1
    wineserver -w
  fi
  # A server still running from a moment ago is as good; starting a second
  # one fails.
  wineserver -p60 2>/dev/null || true
}

# --- tests ------------------------------------------------------------------

step_tests() {
  say "Tests that need no GUI, as Windows programs under Wine"
  wine_env
  (cd "$build" && ctest -L nogui --output-on-failure --timeout 300 -j"$jobs")
}

# --- zip --------------------------------------------------------------------

version=$(sed -n 's/^project(Velinda VERSION \([0-9.]*\).*/\1/p' "$repo/CMakeLists.txt")

# The DLLs a Windows binary imports that are found in the runtime folders,
# and theirs in turn: what Windows itself supplies is not among them.
dll_closure() {
  local -A seen=()
  local queue=("$@") file dll d
  while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r dll; do
      [ -n "${seen[$dll]:-}" ] && continue
      while read -r d; do
        if [ -f "$d/$dll" ]; then
          seen[$dll]=1
          echo "$d/$dll"
          queue+=("$d/$dll")
          break
        fi
      done < <(runtime_dirs)
    done < <($triplet-objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
  done
}

# The plug-ins the program loads: the Windows platform and its style (the
# pictures are PNG, which Qt reads without a plug-in).
qt_plugins=(
  platforms/qwindows.dll
  styles/qwindowsvistastyle.dll
)

step_zip() {
  local name=Velinda-$version-win64
  local folder=$build/zip/Velinda
  say "dist/$name.zip"
  rm -rf "$build/zip"
  mkdir -p "$folder" "$dist"
  # The program folder as the build lays it out, without test leftovers.
  (cd "$build/Velinda" && cp -a velinda.exe unins000.dll Guida.pdf LICENSE THIRD-PARTY-NOTICES \
    qtbase_it.qm "$folder/")
  cp -a "$build"/Velinda/*GPL* "$folder/" 2>/dev/null || true
  $triplet-strip "$folder/velinda.exe"
  local plugin binaries=("$folder/velinda.exe")
  for plugin in "${qt_plugins[@]}"; do
    mkdir -p "$folder/$(dirname "$plugin")"
    cp "$qt_prefix/plugins/$plugin" "$folder/$plugin"
    binaries+=("$folder/$plugin")
  done
  dll_closure "${binaries[@]}" | while read -r dll; do cp "$dll" "$folder/"; done
  # Without their debugging symbols the runtime and Qt take a third of the
  # room (unins000.dll is the password store, not a program).
  find "$folder" -name '*.dll' ! -name unins000.dll -exec $triplet-strip --strip-unneeded {} +
  # Qt looks for its plug-ins beside the program, not where it was built.
  printf '[Paths]\nPrefix = .\nPlugins = .\nTranslations = .\n' >"$folder/qt.conf"
  # Windows line ends, for Notepad.
  sed 's/$/\r/' "$repo/packaging/windows/LEGGIMI.txt" >"$folder/LEGGIMI.txt"
  licence_notices "$folder"
  rm -f "$dist/$name.zip"
  (cd "$build/zip" && zip -qr9 "$dist/$name.zip" Velinda)
  say "dist/$name.zip: $(du -h "$dist/$name.zip" | cut -f1)"
}

# The licences of what the zip carries beside our own: Qt (LGPL-3), the
# MinGW-w64 runtime, libzip with zlib.
licence_notices() {
  local folder=$1/Licenze
  mkdir -p "$folder"
  cp "$(source_dir qt6-base)/LICENSES/LGPL-3.0-only.txt" "$folder/Qt-LGPL-3.0.txt"
  cp /usr/share/doc/mingw-w64-common/copyright "$folder/MinGW-w64.txt" 2>/dev/null ||
    cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$folder/MinGW-w64.txt"
  cp /usr/share/doc/gcc-mingw-w64-base/copyright "$folder/GCC-runtime.txt"
  cp "$(source_dir libzip)/LICENSE" "$folder/libzip.txt"
  cp "$(source_dir zlib)/LICENSE" "$folder/zlib.txt" 2>/dev/null ||
    sed -n '/Copyright/,/madler/p' "$(source_dir zlib)/README" >"$folder/zlib.txt"
}

# --- smoke ------------------------------------------------------------------

# The program folder from the zip, as a user unpacks it, against the Linux
# program.
step_smoke() {
  say "The Windows program from the zip under Xvfb and Wine, against the Linux program"
  wine_env
  local unpacked=$build/smoke-zip
  rm -rf "$unpacked"
  mkdir -p "$unpacked"
  unzip -q "$dist/Velinda-$version-win64.zip" -d "$unpacked"
  bash "$repo/packaging/windows/smoke-test.sh" "$unpacked/Velinda" "$host_build/Velinda" \
    "$build/smoke"
}

# --- cache ------------------------------------------------------------------

# Exit status 0 when the cache holds everything a build of the program needs
# and the tools to run it are installed; CI runs the Windows leg only then.
step_cache_ready() {
  local missing=()
  [ -f "$qt_prefix/.stamp-qtbase" ] || missing+=("Qt")
  [ -f "$libs_prefix/.stamp" ] || missing+=("libzip")
  for tool in $triplet-g++-posix wine Xvfb xdotool; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Not ready in $cache: ${missing[*]}"
    return 1
  fi
}

# --- main -------------------------------------------------------------------

all_steps=(packages sources qt libs host program tests zip smoke)
steps=("$@")
[ ${#steps[@]} -gt 0 ] || steps=("${all_steps[@]}")
for s in "${steps[@]}"; do
  "step_${s//-/_}"
done
