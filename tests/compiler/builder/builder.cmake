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
  add_dependencies(machine_build_test zorudor blit16 vslc)
endif()
