# The Windows build of the library: the logic over the system's own Win32
# API, so the layer is nothing but <windows.h> and the import libraries.
set(QZ_DEF_FILE ${CMAKE_CURRENT_LIST_DIR}/qztalvex.def)
# Until every function's logic is written, export those that exist.
set(QZ_DEF_BUILT ${CMAKE_CURRENT_BINARY_DIR}/qztalvex.def)
file(READ ${QZ_DEF_FILE} def_text)
file(GLOB logic_files ${CMAKE_CURRENT_SOURCE_DIR}/src/*.cpp)
set(logic_text "")
foreach(f ${logic_files})
  file(READ ${f} t)
  string(APPEND logic_text "${t}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${f})
endforeach()
string(REGEX MATCHALL "qz[A-Za-z]+ @[0-9]+" entries "${def_text}")
foreach(e ${entries})
  string(REGEX REPLACE " @.*" "" n "${e}")
  if(NOT logic_text MATCHES "QZ_CALL ${n}\\(")
    string(REPLACE "    ${e}\n" "" def_text "${def_text}")
  endif()
endforeach()
file(WRITE ${QZ_DEF_BUILT} "${def_text}")
set_target_properties(qztalvex PROPERTIES PREFIX "" OUTPUT_NAME qztalvex)
target_sources(qztalvex PRIVATE ${QZ_DEF_BUILT})
target_link_options(qztalvex PRIVATE -Wl,--kill-at -Wl,--enable-stdcall-fixup -Wl,--no-undefined -static -static-libgcc
  -static-libstdc++)
target_link_libraries(qztalvex PRIVATE advapi32 user32 kernel32)
set_property(TARGET qztalvex APPEND PROPERTY LINK_DEPENDS ${QZ_DEF_FILE})

# The Linux build's tests ask for the programs that check this build.
option(QZ_WINE_TEST_PROGRAMS "Build the programs that test the DLL on Windows" OFF)
if(QZ_WINE_TEST_PROGRAMS)
  add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/tests ${CMAKE_CURRENT_BINARY_DIR}/win-tests)
endif()
