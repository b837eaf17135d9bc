# What a Windows user runs, laid out by `cmake --install`: mirt2.exe, which
# carries Qt (linked statically, with the windows platform plugin, the native
# style and Qt's Japanese texts) and the C++ runtime and needs nothing beyond
# Windows, and beside it the user manual and the `licenses` folder. The
# portable zip and the installer are made from this folder
# (tools/windows-dist.sh).
install(TARGETS mirt2 RUNTIME DESTINATION .)

# The manual, in Japanese, under the name that Japanese freeware gives its
# manual, readme.txt: a name in ASCII, since Info-ZIP stores a Japanese one in
# UTF-8 without the flag that says so, and Explorer then reads it in the ANSI
# code page and shows it garbled.
include(${PROJECT_SOURCE_DIR}/docs/manual.cmake)
mirt2_plain_manual(${CMAKE_CURRENT_BINARY_DIR}/readme.txt WINDOWS)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/readme.txt DESTINATION .)

# The licences of everything in the program, which the MIT licence and Qt's
# LGPL ask a copy to carry, and how to rebuild and relink it, which the LGPL
# asks of a program linked statically with Qt. Built from Debian's packages,
# the parts linked in come with Debian's copyright files, each naming every
# component of its source package and its licence.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licenses RENAME mirt2.txt)
if(CMAKE_CROSSCOMPILING)
  find_package(Qt6 REQUIRED COMPONENTS Core)
  execute_process(COMMAND dpkg-query -W --showformat=\${Version} qt6-base-dev-tools
                  OUTPUT_VARIABLE MIRT2_QT_DEBIAN_VERSION)
  set(notices
    "qt6-base.txt:libqt6core6"
    "gcc-runtime.txt:gcc-mingw-w64-x86-64-posix-runtime" "mingw-w64.txt:mingw-w64-x86-64-dev")
  foreach(notice IN LISTS notices)
    string(REPLACE ":" ";" notice "${notice}")
    list(GET notice 0 name)
    list(GET notice 1 package)
    if(NOT EXISTS /usr/share/doc/${package}/copyright)
      message(FATAL_ERROR "/usr/share/doc/${package}/copyright is missing: the Windows folder "
                          "must carry the licence of what it bundles")
    endif()
    install(FILES /usr/share/doc/${package}/copyright DESTINATION licenses RENAME ${name})
  endforeach()
  # The copyright files point to Debian's own copies of the GNU licences.
  install(FILES /usr/share/common-licenses/LGPL-3 /usr/share/common-licenses/GPL-3
          DESTINATION licenses)
  # The changes made to Debian's Qt sources, which the notice names.
  install(FILES ${PROJECT_SOURCE_DIR}/tools/qt-mingw.patch DESTINATION licenses)
  configure_file(windows_licenses.txt.in windows_licenses.txt @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/windows_licenses.txt DESTINATION licenses
          RENAME README.txt)
endif()

# `make windows-dist`: the portable zip and the installer, in dist/ of the build.
set(MIRT2_PUBLISHER "The mirt2 authors" CACHE STRING
  "The publisher that Windows shows for the installed program")
add_custom_target(windows-dist
  COMMAND ${PROJECT_SOURCE_DIR}/tools/windows-dist.sh ${CMAKE_BINARY_DIR}
  DEPENDS mirt2
  COMMENT "Making the portable zip and the installer"
  VERBATIM)
