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

# `make windows-dist`: the portable zip and the installer, in dist/ of the build.
set(MIRT2_PUBLISHER "mirt2 maintainers" CACHE STRING
  "The publisher that Windows shows for the installed program")
add_custom_target(windows-dist
  COMMAND ${PROJECT_SOURCE_DIR}/tools/windows-dist.sh ${CMAKE_BINARY_DIR}
  DEPENDS mirt2
  COMMENT "Making the portable zip and the installer"
  VERBATIM)
