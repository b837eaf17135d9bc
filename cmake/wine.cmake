# Runs the Windows cross build's programs under Wine: CTest through
# CMAKE_CROSSCOMPILING_EMULATOR, with no display; the end-to-end tests and the
# desktop benchmark through a launcher per program, on the caller's X server.
# Each kind has a Wine prefix of its own under the build folder, so that a
# user's Wine setup plays no part.
find_program(MIRT2_WINE NAMES wine64 wine PATHS /usr/lib/wine
  DOC "Wine, to run the cross-built programs")

# mirt2_wine_launcher(TARGET): writes TARGET-wine beside the program, a script
# that starts it under Wine on $DISPLAY with its arguments, as the process
# that owns its windows; the end-to-end tests take it for a native binary.
function(mirt2_wine_launcher target)
  if(NOT MIRT2_WINE)
    return()
  endif()
  list(JOIN MIRT2_WINE_RUN "' '" run)
  file(GENERATE OUTPUT $<TARGET_FILE_DIR:${target}>/${target}-wine
    CONTENT "#!/bin/sh\nexec '${run}' --display '${MIRT2_WINE}' '${CMAKE_BINARY_DIR}/wine-prefix-x11' '$<TARGET_FILE:${target}>' \"$@\"\n"
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endfunction()

if(NOT MIRT2_WINE)
  if(MIRT2_BUILD_TESTS)
    message(FATAL_ERROR "The Windows tests need Wine to run here: install wine64, "
                        "or configure with -DMIRT2_BUILD_TESTS=OFF to only build")
  endif()
  return()
endif()

# The programs are linked statically (cmake/mingw_static.cmake) and find
# nothing but Windows' own DLLs: no folder is added to their path, so that a
# program that needed one would fail here as on a user's machine. The widget
# tests' offscreen platform takes its fonts from Windows' font engine, which
# under Wine finds the build machine's faces (Japanese, Korean and Chinese,
# Latin) through fontconfig, as the same tests do on Linux.
set(MIRT2_WINE_RUN ${PROJECT_SOURCE_DIR}/tools/wine-run.sh)

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MIRT2_WINE_RUN} ${MIRT2_WINE} ${CMAKE_BINARY_DIR}/wine-prefix)
endif()

