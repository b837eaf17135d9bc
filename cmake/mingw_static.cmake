# How MinGW builds link. Each function and datum goes in a section of its own,
# and the linker drops every section that nothing refers to. Against a static
# Qt (tools/build-qt-mingw.sh) every program, the tests too, is one
# self-contained .exe that needs nothing beyond Windows' own DLLs: the C++
# runtime (libstdc++, libgcc's unwinder, winpthreads) is linked in as well
# (-static), and of Qt only what the program reaches. Against Qt's DLLs (a
# shared Qt for MinGW, README: Building on Windows) the program shares their
# runtime DLLs instead, one copy of libstdc++ for the whole process.
add_compile_options(-ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)
find_package(Qt6 REQUIRED COMPONENTS Core)
get_target_property(mirt2_qt_core_type Qt6::Core TYPE)
if(mirt2_qt_core_type STREQUAL "STATIC_LIBRARY")
  add_link_options(-static)
endif()
