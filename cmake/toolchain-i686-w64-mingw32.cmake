# Cross build for 32-bit Windows with Debian's mingw-w64 (package mingw-w64).
# Runtimes of the posix thread model (GoogleTest wants std::mutex), linked
# statically: the DLL needs nothing but the system's own DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86)
set(QZ_MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
