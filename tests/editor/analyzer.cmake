# Payout analyzer tests (both builds): the report by hand-counted machines, and the
# grouped count against the odometer on random machines. Scripts are written with the
# compiler tests' helpers.
set(VSL_COMPILER_TESTS ${CMAKE_CURRENT_LIST_DIR}/../compiler)
add_library(vsl_analyzer_reference STATIC
  ${CMAKE_CURRENT_LIST_DIR}/OdometerCount.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RandomMachineScripts.cpp)
target_include_directories(vsl_analyzer_reference PUBLIC ${CMAKE_CURRENT_LIST_DIR} ${VSL_COMPILER_TESTS})
target_link_libraries(vsl_analyzer_reference PUBLIC vsl_analyzer vsl_compiler gtest)

vsl_add_test(payout_analyzer_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PayoutAnalyzerTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/GroupedCountTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PayLineRowsTest.cpp
          ${VSL_COMPILER_TESTS}/ScriptFile.cpp
  LIBS vsl_analyzer_reference)
target_include_directories(payout_analyzer_test PRIVATE ${VSL_COMPILER_TESTS})
target_compile_definitions(payout_analyzer_test PRIVATE VSL_TEST_SCRIPTS="unused")

# The console program on an example machine, and on a file that is not there.
if(VSL_WINDOWS)
  set(VSL_EXAMPLE_SCRIPT "Z:${CMAKE_CURRENT_LIST_DIR}/scripts/Lanternfly.vsl")
else()
  set(VSL_EXAMPLE_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/scripts/Lanternfly.vsl")
endif()
add_test(NAME vslpay_report_test COMMAND vslpay ${VSL_EXAMPLE_SCRIPT})
set_tests_properties(vslpay_report_test PROPERTIES
  PASS_REGULAR_EXPRESSION "Reels: 5.*Pay Lines: 3.*Max Bet: 3.*Reel Stops: 12.*Percentage: [0-9.,]+")
add_test(NAME vslpay_missing_script_test COMMAND vslpay missing-script.vsl)
set_tests_properties(vslpay_missing_script_test PROPERTIES WILL_FAIL TRUE)

if(NOT VSL_WINDOWS)
  return()
endif()
vsl_add_test(calculate_payout_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/CalculatePayoutTest.cpp
          ${VSL_COMPILER_TESTS}/ScriptFile.cpp
  LIBS vsl_analyzer_command WINDOW)
target_include_directories(calculate_payout_test PRIVATE ${VSL_COMPILER_TESTS}
  ${CMAKE_CURRENT_LIST_DIR}/../app)
target_compile_definitions(calculate_payout_test PRIVATE VSL_TEST_SCRIPTS="unused")
if(VSL_WINDOWS)
  # A "results" box of one suite is found by title from the other's watcher.
  set_tests_properties(calculate_payout_test PROPERTIES RESOURCE_LOCK results_box)
endif()
