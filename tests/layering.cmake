# Fails when a file in a subsystem folder of src/ includes a header from a
# folder later in LAYERS (a folder above it), or from a folder of src/ that
# LAYERS does not name. Every form of include counts: quotes or angle
# brackets, blanks after the '#', and paths relative to the including file
# ("../editors/x.h"). Run as: cmake -DSOURCE_DIR=<src> -DLAYERS=<a;b;c> -P layering.cmake
set(faults "")
foreach(layer IN LISTS LAYERS)
  list(FIND LAYERS ${layer} own)
  file(GLOB_RECURSE files ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
  foreach(file IN LISTS files)
    get_filename_component(folder ${file} DIRECTORY)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]+[>\"]")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*" "\\1" path "${line}")
      # Where the name leads: beside the including file first, then from
      # src/ as the build's include path has it. A name found in neither
      # (<QString>, <sys/ioctl.h>) is not the program's own.
      get_filename_component(beside ${path} ABSOLUTE BASE_DIR ${folder})
      get_filename_component(fromSource ${path} ABSOLUTE BASE_DIR ${SOURCE_DIR})
      if(EXISTS ${beside} AND NOT IS_DIRECTORY ${beside})
        set(target ${beside})
      elseif(EXISTS ${fromSource} AND NOT IS_DIRECTORY ${fromSource})
        set(target ${fromSource})
      else()
        # Missing, but named as one of src/'s folders: still the program's.
        string(REGEX MATCH "^[a-z0-9_]+/" top "${path}")
        if(top AND IS_DIRECTORY ${SOURCE_DIR}/${top})
          set(target ${fromSource})
        else()
          continue()
        endif()
      endif()
      file(RELATIVE_PATH inside ${SOURCE_DIR} ${target})
      if(inside MATCHES "^\\.\\./")
        continue()  # outside src/
      endif()
      string(REGEX REPLACE "/.*" "" other_layer "${inside}")
      list(FIND LAYERS ${other_layer} other)
      if(other EQUAL -1 OR other GREATER own)
        file(RELATIVE_PATH where ${SOURCE_DIR} ${file})
        string(APPEND faults "  ${where}: ${line}\n")
      endif()
    endforeach()
  endforeach()
endforeach()
if(faults)
  message(FATAL_ERROR "Includes that point up (or outside) the layers ${LAYERS}:\n${faults}")
endif()
