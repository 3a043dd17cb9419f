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
          ${CMAKE_CURRENT_LIST_DIR}/ScriptFile.cpp
  LIBS vsl_compiler)
vsl_add_test(machine_model_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/MachineScriptTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ModelEditTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ModelFormatTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/ScriptFile.cpp
  LIBS vsl_compiler vsl_paytable)
foreach(t script_lexer_test machine_compile_test machine_model_test art_block_test)
  target_compile_definitions(${t} PRIVATE VSL_TEST_SCRIPTS="${VSL_SCRIPT_DIR}")
endforeach()
