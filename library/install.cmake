# Installs the library the way a C library on Debian is expected to come:
# the header, the shared object with its soname links, a pkg-config file and
# a CMake package giving the imported target qztalvex::qztalvex.

include(CMakePackageConfigHelpers)

set(QZ_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/qztalvex)

install(TARGETS qztalvex EXPORT qztalvexTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT library NAMELINK_COMPONENT development
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT library
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT development
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR} COMPONENT development)
install(EXPORT qztalvexTargets NAMESPACE qztalvex:: DESTINATION ${QZ_CMAKE_DIR}
  COMPONENT development)

configure_package_config_file(${CMAKE_CURRENT_SOURCE_DIR}/qztalvexConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/qztalvexConfig.cmake INSTALL_DESTINATION ${QZ_CMAKE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/qztalvexConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
# The pkg-config file finds its prefix from where it lies, so the same file
# serves an install under any prefix and the packaged one under /usr.
file(RELATIVE_PATH QZ_PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
string(REGEX REPLACE "/$" "" QZ_PC_TO_PREFIX "${QZ_PC_TO_PREFIX}")
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/qztalvex.pc.in ${CMAKE_CURRENT_BINARY_DIR}/qztalvex.pc
  @ONLY)

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qztalvexConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/qztalvexConfigVersion.cmake DESTINATION ${QZ_CMAKE_DIR}
  COMPONENT development)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/qztalvex.pc
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig COMPONENT development)
