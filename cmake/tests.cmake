# vsl_add_test(NAME SOURCES... [LIBS ...] [WINDOW])
# One executable is one CTest entry, so a whole suite costs one Wine start. WINDOW marks
# suites that open windows: they get the Xvfb display that the test run provides, and in the
# Windows build the guard that ends a box or dialog the test did not expect and fails the
# test naming it (tests/app/BoxGuard.cpp).
function(vsl_add_test name)
  cmake_parse_arguments(T "WINDOW" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE gtest_main ${T_LIBS})
  if(VSL_WINDOWS)
    target_link_options(${name} PRIVATE -mconsole)
  endif()
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
  if(T_WINDOW)
    set_tests_properties(${name} PROPERTIES LABELS window)
    if(VSL_WINDOWS)
      if(NOT TARGET vsl_box_guard)
        add_library(vsl_box_guard OBJECT ${CMAKE_SOURCE_DIR}/tests/app/BoxGuard.cpp)
        target_link_libraries(vsl_box_guard PRIVATE gtest)
      endif()
      target_link_libraries(${name} PRIVATE vsl_box_guard)
    endif()
  endif()
endfunction()

# The Windows build's tests run in a Wine prefix of their own (see the file's text).
if(VSL_WINDOWS)
  set(VSL_TEST_PREFIX ${CMAKE_BINARY_DIR}/test-prefix)
  # Where the window-stacking test runs with the game's windows managed, as on a desktop.
  set(VSL_MANAGED_PREFIX ${CMAKE_BINARY_DIR}/managed-prefix)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/TestEnvironment.cmake.in ${CMAKE_BINARY_DIR}/TestEnvironment.cmake @ONLY)
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${CMAKE_BINARY_DIR}/TestEnvironment.cmake)
endif()
