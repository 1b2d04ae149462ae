# Cross build for 64-bit Windows with Debian's mingw-w64 (package mingw-w64).
# Runtimes of the posix thread model (GoogleTest wants std::mutex), linked
# statically: the DLL needs nothing but the system's own DLLs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(QZ_MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
