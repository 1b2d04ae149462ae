# Tests of the Windows build, from the Linux build: the library is
# cross-built for 32- and 64-bit Windows by the tests themselves, the 32-bit
# DLL is read, the 64-bit one run under wine64, and the two builds compared.
option(QZ_WINDOWS_TESTS "Cross-build the library for Windows and test it" ON)
if(NOT QZ_WINDOWS_TESTS)
  return()
endif()

set(QZ_WIN_TESTS ${CMAKE_CURRENT_LIST_DIR}/tests)
set(QZ_WIN_BUILD ${CMAKE_BINARY_DIR}/windows)
set(QZ_WINE_STATE ${QZ_WIN_BUILD}/wine)
set(QZ_WINE_SH ${QZ_WIN_TESTS}/wine.sh)

foreach(arch i686 x86_64)
  set(programs OFF)
  if(arch STREQUAL x86_64)
    set(programs ON)
  endif()
  add_test(NAME windows.build.${arch} COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}
    -DBINARY=${QZ_WIN_BUILD}/${arch} -DGENERATOR=${CMAKE_GENERATOR}
    -DTOOLCHAIN=${PROJECT_SOURCE_DIR}/cmake/toolchain-${arch}-w64-mingw32.cmake
    -DPROGRAMS=${programs} -P ${QZ_WIN_TESTS}/cross_build.cmake)
  set_tests_properties(windows.build.${arch} PROPERTIES FIXTURES_SETUP qz_windows TIMEOUT 900)
endforeach()

add_test(NAME windows.wine.start COMMAND bash ${QZ_WINE_SH} start ${QZ_WINE_STATE})
add_test(NAME windows.wine.stop COMMAND bash ${QZ_WINE_SH} stop ${QZ_WINE_STATE})
# One fixture name per test: a list does not survive gtest_discover_tests.
# Starting wine waits for both builds, so whatever needs wine needs only it.
set_tests_properties(windows.wine.start PROPERTIES FIXTURES_SETUP qz_wine
  FIXTURES_REQUIRED qz_windows TIMEOUT 300)
set_tests_properties(windows.wine.stop PROPERTIES FIXTURES_CLEANUP qz_wine)

# Both DLLs read as files.
add_executable(windows_image_test ${QZ_WIN_TESTS}/image_test.cpp ${QZ_WIN_TESTS}/pe_image.cpp)
target_link_libraries(windows_image_test PRIVATE GTest::gtest_main)
target_compile_definitions(windows_image_test PRIVATE
  QZ_DLL_I686="${QZ_WIN_BUILD}/i686/bin/qztalvex.dll"
  QZ_DLL_X86_64="${QZ_WIN_BUILD}/x86_64/bin/qztalvex.dll")
qz_warnings(windows_image_test)
gtest_discover_tests(windows_image_test TEST_PREFIX windows. DISCOVERY_TIMEOUT 30
  PROPERTIES FIXTURES_REQUIRED qz_windows)

# The 64-bit DLL under wine64, checked against the system by a Windows program.
add_test(NAME windows.wine.library COMMAND bash ${QZ_WINE_SH} run ${QZ_WINE_STATE}
  ${QZ_WIN_BUILD}/x86_64/bin/qzwin_test.exe)
set_tests_properties(windows.wine.library PROPERTIES
  FIXTURES_REQUIRED qz_wine TIMEOUT 120)

# The Linux library and the DLL under wine, side by side.
add_executable(windows_compare_test ${QZ_WIN_TESTS}/compare_test.cpp)
target_link_libraries(windows_compare_test PRIVATE qztalvex GTest::gtest_main)
target_compile_definitions(windows_compare_test PRIVATE QZ_WINE_SH="${QZ_WINE_SH}"
  QZ_WINE_STATE="${QZ_WINE_STATE}" QZ_WIN_FIGURES="${QZ_WIN_BUILD}/x86_64/bin/qzwin_figures.exe")
qz_warnings(windows_compare_test)
gtest_discover_tests(windows_compare_test TEST_PREFIX windows. DISCOVERY_TIMEOUT 30
  PROPERTIES FIXTURES_REQUIRED qz_wine TIMEOUT 120)
