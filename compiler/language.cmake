# The machine-description language: lexer, symbol table, compiler driver, header grammar
# and constant expressions. Platform-free: built in both builds.
add_library(vsl_compiler STATIC
  ${CMAKE_CURRENT_LIST_DIR}/PunctuatorTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KeywordTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptLexer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SymbolTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NamedItem.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DollarsToCents.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MachineDescription.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PayoutNames.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PayoutNameChecks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CompileStopNote.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptFolder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CompileDriver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TokenReaders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/HeaderGrammar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PayoutLines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConstantExpressions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DenominationMask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/ArtBlock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/SceneStatements.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/AnimationReferences.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/ElementClauses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/ControlStatements.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/IndicatorStatement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/ResourceStatements.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/CompileChecks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/SoundFileCheck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/SpriteAssetReading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/ArtFormatters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/art/DefinitionFormatters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ModelEdits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MachineScript.cpp)
include(${CMAKE_CURRENT_LIST_DIR}/patches/patches.cmake)
# Money is the game's shared value type, header-only and platform-free.
target_include_directories(vsl_compiler PUBLIC ${CMAKE_CURRENT_LIST_DIR}
  ${CMAKE_CURRENT_LIST_DIR}/art ${CMAKE_SOURCE_DIR}/game)
# Points and the polygon region of Region definitions come from the program's
# platform-free core.
target_link_libraries(vsl_compiler PUBLIC vsl_core)
# The picture probe reads sprite and image assets with the engine's own checks.
target_link_libraries(vsl_compiler PRIVATE quor_sprite_math quor_images)
# A sound file is judged by the sound library's own reader.
target_link_libraries(vsl_compiler PRIVATE aulosnd_core)
