# Tests of the machine builder: the chunk and the checks in both builds, the whole build
# through the asset writer and the engine in the Windows build.
vsl_add_test(machine_chunk_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MachineChunkTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PlayabilityTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/AssetFileTitleTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/../ScriptFile.cpp
  LIBS vsl_builder_core)
target_include_directories(machine_chunk_test PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(machine_chunk_test PRIVATE vsl_assets_core)
target_compile_definitions(machine_chunk_test PRIVATE VSL_TEST_SCRIPTS="${VSL_SCRIPT_DIR}")

if(VSL_WINDOWS)
  vsl_add_test(machine_build_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/BuildMachineTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/VslcTest.cpp
    LIBS vsl_builder)
  target_include_directories(machine_build_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/app/images)
  add_dependencies(machine_build_test zorudor blit16 vslc)
endif()

if(VSL_WINDOWS)
  vsl_add_test(build_progress_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/BuildProgressTest.cpp
    LIBS vsl_build_dialog vsl_resources WINDOW)
  target_include_directories(build_progress_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/app ${CMAKE_SOURCE_DIR}/tests/engine)
  add_dependencies(build_progress_test zorudor blit16)
endif()
if(TARGET build_progress_test)
  # A "results" box of one suite is found by title from the other's watcher.
  set_tests_properties(build_progress_test PROPERTIES RESOURCE_LOCK results_box)
endif()
