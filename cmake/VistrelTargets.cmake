# Helpers shared by every subsystem's CMakeLists.

include(CMakePackageConfigHelpers)

# vistrel_numeric_library(name SOURCES ... [HEADERS ...])
# A shared numeric library with a C interface: headers in include/, linked to the runtime,
# installed with its headers, its pkg-config file and the package's CMake export set.
function(vistrel_numeric_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;HEADERS" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC
    $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}/include>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/vistrel>)
  target_link_libraries(${name} PUBLIC vistrelrt)
  set_target_properties(${name} PROPERTIES VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR})
  install(TARGETS ${name} EXPORT VistrelTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(FILES ${ARG_HEADERS} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vistrel)
  vistrel_pkgconfig(${name} "-l${name} -lvistrelrt")
endfunction()

# vistrel_pkgconfig(name libs): writes and installs name.pc.
# The file locates the installation relative to itself, so any install prefix works.
function(vistrel_pkgconfig PC_NAME PC_LIBS)
  file(RELATIVE_PATH PC_TO_PREFIX /${CMAKE_INSTALL_LIBDIR}/pkgconfig /)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/library.pc.in ${CMAKE_BINARY_DIR}/pkgconfig/${PC_NAME}.pc @ONLY)
  install(FILES ${CMAKE_BINARY_DIR}/pkgconfig/${PC_NAME}.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
endfunction()

# vistrel_test(name SOURCES ... LIBRARIES ...)
# A GoogleTest executable whose cases CTest lists one by one.
function(vistrel_test name)
  if(NOT VISTREL_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# vistrel_benchmark(name SOURCES ... LIBRARIES ...)
function(vistrel_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} benchmark::benchmark)
endfunction()

# The CMake package that lets another program find_package(Vistrel) and link the libraries.
function(vistrel_install_package)
  set(cmakedir ${CMAKE_INSTALL_LIBDIR}/cmake/Vistrel)
  install(EXPORT VistrelTargets NAMESPACE Vistrel:: DESTINATION ${cmakedir})
  configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/VistrelConfig.cmake.in
    ${CMAKE_BINARY_DIR}/VistrelConfig.cmake INSTALL_DESTINATION ${cmakedir})
  write_basic_package_version_file(${CMAKE_BINARY_DIR}/VistrelConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
  install(FILES ${CMAKE_BINARY_DIR}/VistrelConfig.cmake ${CMAKE_BINARY_DIR}/VistrelConfigVersion.cmake
    DESTINATION ${cmakedir})
endfunction()
