# The Windows build of the library: the logic over the system's own Win32
# API, so the layer is nothing but <windows.h> and the import libraries.
set(QZ_DEF_FILE ${CMAKE_CURRENT_LIST_DIR}/qztalvex.def)
set_target_properties(qztalvex PROPERTIES PREFIX "" OUTPUT_NAME qztalvex)
target_sources(qztalvex PRIVATE ${QZ_DEF_FILE})
# The module-definition file names the exports and their ordinals. On i686
# the functions are __stdcall, named name@bytes inside the objects: the
# fix-up binds the file's plain names to them, and --kill-at keeps the
# decorated form out of the export table.
target_link_options(qztalvex PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup -Wl,--no-undefined
  -static -static-libgcc -static-libstdc++)
target_link_libraries(qztalvex PRIVATE advapi32 user32 kernel32)
set_property(TARGET qztalvex APPEND PROPERTY LINK_DEPENDS ${QZ_DEF_FILE})

# The Linux build's tests ask for the programs that check this build.
option(QZ_WINE_TEST_PROGRAMS "Build the programs that test the DLL on Windows" OFF)
if(QZ_WINE_TEST_PROGRAMS)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/tests ${CMAKE_CURRENT_BINARY_DIR}/win-tests)
endif()
