# What a Windows user runs, laid out by `cmake --install` as one folder that
# runs from anywhere: the program, the Qt DLLs, the windows platform plugin and
# the native style in the subfolders where Qt looks beside the program, Qt's
# Japanese texts (the colour dialog) and, with MinGW, the C++ runtime. The
# portable zip and the installer are made from this folder
# (tools/windows-dist.sh).
find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets)

install(TARGETS mirt2 RUNTIME DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
        DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
if(MIRT2_RUNTIME_DLLS)
  install(FILES ${MIRT2_RUNTIME_DLLS} DESTINATION .)
endif()

# A Qt built from qtbase alone has no translations; they are the same files
# on every platform, so the build machine's serve.
find_file(MIRT2_QT_JAPANESE_QM qtbase_ja.qm
  PATHS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}" /usr/share/qt6/translations
  NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH
  DOC "Qt's Japanese translation, qtbase_ja.qm, shipped beside the program")
if(NOT MIRT2_QT_JAPANESE_QM)
  message(FATAL_ERROR "qtbase_ja.qm not found: install Qt's translations "
                      "(Debian: qt6-translations-l10n) or set MIRT2_QT_JAPANESE_QM")
endif()
install(FILES ${MIRT2_QT_JAPANESE_QM} DESTINATION translations)

# The licences of everything in the folder, which the MIT licence and Qt's
# LGPL ask a copy to carry. Built from Debian's packages, the bundled parts
# come with Debian's copyright files, each naming every component of its
# source package and its licence.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION licenses RENAME mirt2.txt)
if(CMAKE_CROSSCOMPILING)
  execute_process(COMMAND dpkg-query -W --showformat=\${Version} qt6-base-dev-tools
                  OUTPUT_VARIABLE MIRT2_QT_DEBIAN_VERSION)
  set(notices
    "qt6-base.txt:libqt6core6" "qt6-translations.txt:qt6-translations-l10n"
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
  configure_file(windows_licenses.txt.in windows_licenses.txt @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/windows_licenses.txt DESTINATION licenses
          RENAME README.txt)
endif()

# `make windows-dist`: the portable zip and the installer, in dist/ of the build.
set(MIRT2_PUBLISHER "mirt2 maintainers" CACHE STRING
  "The publisher that Windows shows for the installed program")
add_custom_target(windows-dist
  COMMAND ${PROJECT_SOURCE_DIR}/tools/windows-dist.sh ${CMAKE_BINARY_DIR}
  DEPENDS mirt2
  COMMENT "Making the portable zip and the installer"
  VERBATIM)
