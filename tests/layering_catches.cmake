# The layering check against a small tree of its own: each form of an include
# that points up must fail it, and an include that points down must pass.
# Run as: cmake -DCHECK=<layering.cmake> -DWORK_DIR=<empty folder> -P layering_catches.cmake
set(forms
  "#include \"high/top.h\""
  "#include <high/top.h>"
  "#  include \"high/top.h\""
  "  #include\t\"high/top.h\""
  "#include \"../high/top.h\""
  "#include \"../../src/high/top.h\""
  "#include \"stray/x.h\"")
set(wrong "")
function(check_with line expect_failure)
  file(REMOVE_RECURSE ${WORK_DIR}/src)
  file(WRITE ${WORK_DIR}/src/high/top.h "#pragma once\n")
  file(WRITE ${WORK_DIR}/src/stray/x.h "#pragma once\n")
  file(WRITE ${WORK_DIR}/src/low/bottom.h "#pragma once\n")
  file(WRITE ${WORK_DIR}/src/low/a.cpp "#include <QString>\n#include <sys/types.h>\n${line}\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK_DIR}/src "-DLAYERS=low;high"
                  -P ${CHECK} RESULT_VARIABLE result OUTPUT_QUIET ERROR_QUIET)
  if(expect_failure AND result EQUAL 0)
    set(wrong "${wrong}  passed, should fail: ${line}\n" PARENT_SCOPE)
  elseif(NOT expect_failure AND NOT result EQUAL 0)
    set(wrong "${wrong}  failed, should pass: ${line}\n" PARENT_SCOPE)
  endif()
endfunction()
foreach(line IN LISTS forms)
  check_with("${line}" TRUE)
endforeach()
check_with("#include \"low/bottom.h\"" FALSE)
check_with("#include \"bottom.h\"" FALSE)
if(wrong)
  message(FATAL_ERROR "The layering check is wrong about:\n${wrong}")
endif()
