# Tests of the machine-description language (both builds).
if(VSL_WINDOWS)
  set(VSL_SCRIPT_DIR "Z:${CMAKE_CURRENT_LIST_DIR}/scripts")
else()
  set(VSL_SCRIPT_DIR "${CMAKE_CURRENT_LIST_DIR}/scripts")
endif()
vsl_add_test(script_lexer_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScriptLexerTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ScriptFile.cpp
  LIBS vsl_compiler)
vsl_add_test(symbol_table_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/SymbolTableTest.cpp
  LIBS vsl_compiler)
vsl_add_test(machine_compile_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MachineHeaderTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/CompileMessagesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ConstantExpressionTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/TokenReadersTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/MoneyTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ScriptFile.cpp
  LIBS vsl_compiler)
vsl_add_test(art_block_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ArtMessagesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ArtValuesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ArtRoundTripTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ArtResourcesTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/CompileChecksTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/SpriteAssetReadingTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ScriptFile.cpp
  LIBS vsl_compiler quor_sprite_math quor_images)
# The asset and sprite builders of the engine's tests write the probe's test data.
target_include_directories(art_block_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/engine)
vsl_add_test(machine_model_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MachineScriptTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ModelEditTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ModelFormatTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ScriptFile.cpp
  LIBS vsl_compiler vsl_paytable)
vsl_add_test(script_write_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScriptRewriteTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ScriptWriteTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/GoldenSessionTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/EditPropertyTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ModelDump.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ScriptFile.cpp
  LIBS vsl_compiler)
# Its own folder: other suites make and remove stand-ins of the same files.
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/script_write_files)
set_tests_properties(script_write_test PROPERTIES
  WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/script_write_files)
foreach(t script_lexer_test machine_compile_test machine_model_test art_block_test
          script_write_test)
  target_compile_definitions(${t} PRIVATE VSL_TEST_SCRIPTS="${VSL_SCRIPT_DIR}")
endforeach()

# The Windows picture probe on files the test writes.
if(VSL_WINDOWS)
  vsl_add_test(picture_probe_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/PictureProbeTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/ScriptFile.cpp
    LIBS vsl_picture_probe)
  target_include_directories(picture_probe_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/engine)
  target_compile_definitions(picture_probe_test PRIVATE VSL_TEST_SCRIPTS="${VSL_SCRIPT_DIR}")
  add_dependencies(picture_probe_test blit16)
endif()
