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

# Where the programs find the DLLs they link: Qt's and the compiler's runtime.
find_package(Qt6 REQUIRED COMPONENTS Core)
set(mirt2_dll_dirs "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
foreach(dll IN LISTS MIRT2_RUNTIME_DLLS)
  get_filename_component(dir "${dll}" DIRECTORY)
  list(APPEND mirt2_dll_dirs "${dir}")
endforeach()
list(REMOVE_DUPLICATES mirt2_dll_dirs)
set(MIRT2_WINE_RUN ${PROJECT_SOURCE_DIR}/tools/wine-run.sh)
foreach(dir IN LISTS mirt2_dll_dirs)
  list(APPEND MIRT2_WINE_RUN --dll-dir "${dir}")
endforeach()

# Qt's offscreen platform, which the widget tests run on, reads its fonts on
# Windows from one folder rather than the system's: it gets the faces that
# fontconfig gives the same tests on Linux (Japanese, Korean and Chinese,
# Latin), linked from the build machine's Debian packages.
set(mirt2_fonts ${CMAKE_BINARY_DIR}/offscreen-fonts)
file(MAKE_DIRECTORY ${mirt2_fonts})
foreach(font IN ITEMS
    opentype/ipafont-gothic/ipagp.ttf opentype/ipafont-gothic/ipag.ttf
    truetype/wqy/wqy-microhei.ttc
    truetype/dejavu/DejaVuSans.ttf truetype/dejavu/DejaVuSans-Bold.ttf)
  if(NOT EXISTS /usr/share/fonts/${font})
    message(FATAL_ERROR "/usr/share/fonts/${font} is missing: run tools/install-deps.sh windows")
  endif()
  get_filename_component(name ${font} NAME)
  file(CREATE_LINK /usr/share/fonts/${font} ${mirt2_fonts}/${name} SYMBOLIC)
endforeach()
list(APPEND MIRT2_WINE_RUN --font-dir ${mirt2_fonts})

if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MIRT2_WINE_RUN} ${MIRT2_WINE} ${CMAKE_BINARY_DIR}/wine-prefix)
endif()

