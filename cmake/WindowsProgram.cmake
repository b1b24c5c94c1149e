# What makes velinda.exe a Windows program: started from Explorer it opens no
# console window, and its file properties show the name and version.
function(velinda_windows_program target)
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  set(VELINDA_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/velinda.rc.in
                 ${CMAKE_CURRENT_BINARY_DIR}/velinda.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/velinda.rc)
endfunction()
