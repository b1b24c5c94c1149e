# Builds the fuzz targets with clang, in a project of their own under the
# build folder, and runs each briefly as a test over the seed corpus in
# fuzz/corpus/. New inputs go to the build folder, never to the sources.
find_program(VELINDA_CLANGXX NAMES clang++ clang++-14)
if(NOT VELINDA_CLANGXX)
  message(STATUS "clang++ not found: the fuzz targets are not built")
  return()
endif()

include(ExternalProject)
set(fuzz_build ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(fuzz_targets
  SOURCE_DIR ${CMAKE_CURRENT_LIST_DIR}
  BINARY_DIR ${fuzz_build}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${VELINDA_CLANGXX}
             -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
             -DQt6_DIR=${Qt6_DIR}
  INSTALL_COMMAND ""
  # The sources live in the main tree: let the inner build decide what changed.
  BUILD_ALWAYS ON)

set(VELINDA_FUZZ_SECONDS 15 CACHE STRING "How long each fuzz target runs as a test")
foreach(target IN ITEMS archive_records ini password)
  set(work ${fuzz_build}/work/${target})
  file(MAKE_DIRECTORY ${work} ${fuzz_build}/artifacts)
  add_test(NAME fuzz_${target}
    COMMAND ${fuzz_build}/fuzz_${target} -max_total_time=${VELINDA_FUZZ_SECONDS}
            -max_len=16384 -timeout=10 -artifact_prefix=${fuzz_build}/artifacts/
            ${work} ${CMAKE_CURRENT_LIST_DIR}/corpus/${target})
  set_tests_properties(fuzz_${target} PROPERTIES TIMEOUT 120)
endforeach()
