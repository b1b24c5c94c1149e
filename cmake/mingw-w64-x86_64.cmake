# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (posix threads,
# which Qt's std::thread and std::mutex use). The Windows Qt and libraries are
# found under VELINDA_WIN64_PREFIXES (the cache that scripts/build-windows.sh
# fills); test programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triplet x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(VELINDA_WIN64_PREFIXES "$ENV{VELINDA_WIN64_PREFIXES}" CACHE STRING
    "Folders holding the Windows builds of Qt and the libraries")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VELINDA_WIN64_PREFIXES)
set(CMAKE_FIND_ROOT_PATH /usr/${triplet} ${VELINDA_WIN64_PREFIXES})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config answers for Windows only, from the cache's .pc files.
set(_pkgconfig_dirs "")
foreach(prefix IN LISTS VELINDA_WIN64_PREFIXES)
  list(APPEND _pkgconfig_dirs ${prefix}/lib/pkgconfig)
endforeach()
string(REPLACE ";" ":" _pkgconfig_dirs "${_pkgconfig_dirs}")
set(ENV{PKG_CONFIG_LIBDIR} "${_pkgconfig_dirs}")
set(ENV{PKG_CONFIG_PATH} "")

find_program(VELINDA_WINE NAMES wine)
if(VELINDA_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VELINDA_WINE})
endif()
