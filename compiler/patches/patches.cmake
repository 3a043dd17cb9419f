# Source patches: the queued edits of a compiled script and the rewriting of the script.
target_sources(vsl_compiler PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FixedTextPatches.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PatchQueue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PayoutEdits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptRewrite.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileReplace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ScriptWriting.cpp)
target_include_directories(vsl_compiler PUBLIC ${CMAKE_CURRENT_LIST_DIR})
