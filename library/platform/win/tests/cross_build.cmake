# Configures and builds one Windows build tree with the mingw-w64 cross
# toolchain; run by the Linux build's tests.
#   cmake -DSOURCE=... -DBINARY=... -DTOOLCHAIN=... -DGENERATOR=... [-DPROGRAMS=ON] -P cross_build.cmake
if(NOT PROGRAMS)
  set(PROGRAMS OFF)
endif()
# Configured every time (a second or so once the tree exists), so a tree
# left half-configured by an interrupted run mends itself.
execute_process(COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${BINARY} -G ${GENERATOR}
  --toolchain ${TOOLCHAIN} --no-warn-unused-cli -DCMAKE_BUILD_TYPE=RelWithDebInfo
  -DQZ_LIBRARY_ONLY=ON -DQZ_WINE_TEST_PROGRAMS=${PROGRAMS} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BINARY} COMMAND_ERROR_IS_FATAL ANY)
