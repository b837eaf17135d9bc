# The compiler's runtime that a MinGW-built program and Qt's DLLs share:
# libstdc++, libgcc's unwinder and winpthreads, one copy of each for the whole
# process. Sets MIRT2_RUNTIME_DLLS to their paths; the tests under Wine find
# them through WINEPATH, the portable folder and the installer carry copies.
set(MIRT2_RUNTIME_DLLS)
foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  # GCC echoes the bare name when it does not find the file.
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know ${dll}: the programs could not start")
  endif()
  file(REAL_PATH "${path}" path)
  list(APPEND MIRT2_RUNTIME_DLLS "${path}")
endforeach()
