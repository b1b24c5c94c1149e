# Installs the build into PREFIX and checks what lands there: the program
# folder holds exactly what the build delivers, the same bytes, and the menu
# entry starts the installed program.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DPROGRAM_DIR=... -DSOURCE_DIR=... -P CheckInstall.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

# Everything the build delivers beside the executable, whatever data the
# program may have written there since.
set(folder ${PREFIX}/Velinda)
set(delivered Guida.pdf LICENSE THIRD-PARTY-NOTICES unins000.dll)
foreach(optional IN ITEMS qtbase_it.qm LGPL-3 GPL-3)
  if(EXISTS ${PROGRAM_DIR}/${optional})
    list(APPEND delivered ${optional})
  endif()
endforeach()
set(expected velinda ${delivered})

file(GLOB installed RELATIVE ${folder} ${folder}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  message(FATAL_ERROR "The program folder holds\n  ${installed}\ninstead of\n  ${expected}")
endif()

foreach(name IN LISTS delivered)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${PROGRAM_DIR}/${name}
                          ${folder}/${name} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${name} is not the one the build delivers")
  endif()
endforeach()
execute_process(COMMAND test -x ${folder}/velinda RESULT_VARIABLE not_executable)
if(not_executable)
  message(FATAL_ERROR "${folder}/velinda is not executable")
endif()
# Installed without its debug information, unless the build asked otherwise.
file(STRINGS ${BUILD_DIR}/CMakeCache.txt strip_option REGEX "^VELINDA_INSTALL_STRIP:")
if(NOT strip_option MATCHES "=OFF$")
  execute_process(COMMAND readelf -S ${folder}/velinda OUTPUT_VARIABLE sections)
  if(sections MATCHES "debug_info")
    message(FATAL_ERROR "${folder}/velinda still holds its debug information")
  endif()
endif()

# The notice names every toolbar icon taken from Breeze, and none of our own.
file(STRINGS ${folder}/THIRD-PARTY-NOTICES notices)
file(STRINGS ${SOURCE_DIR}/resources/icons.txt icons REGEX "^[a-z]")
foreach(icon IN LISTS icons)
  set(ours FALSE)
  if(EXISTS ${SOURCE_DIR}/resources/icons/${icon}.svg)
    set(ours TRUE)
  endif()
  set(listed FALSE)
  if("  ${icon}" IN_LIST notices)
    set(listed TRUE)
  endif()
  if(listed STREQUAL ours)
    message(FATAL_ERROR "THIRD-PARTY-NOTICES is wrong about ${icon}")
  endif()
endforeach()

set(entry ${PREFIX}/share/applications/velinda.desktop)
if(NOT EXISTS ${entry})
  message(FATAL_ERROR "No menu entry at ${entry}")
endif()
file(STRINGS ${entry} lines)
foreach(line IN ITEMS "Exec=\"${folder}/velinda\"" "Icon=velinda" "Name=Velinda"
                      "Categories=Office;")
  if(NOT line IN_LIST lines)
    message(FATAL_ERROR "The menu entry lacks ${line}:\n${lines}")
  endif()
endforeach()
if(NOT EXISTS ${PREFIX}/share/icons/hicolor/scalable/apps/velinda.svg)
  message(FATAL_ERROR "No icon for the menu entry")
endif()

find_program(validate desktop-file-validate)
if(validate)
  execute_process(COMMAND ${validate} ${entry} RESULT_VARIABLE invalid)
  if(invalid)
    message(FATAL_ERROR "desktop-file-validate rejects the menu entry")
  endif()
endif()
