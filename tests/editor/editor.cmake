# Machine editor tests: the window-free parts in both builds; the editor window, its
# layout and elements driven under the display, and animation sets, in the Windows build.
vsl_add_test(editor_core_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/EditorCoreTest.cpp LIBS vsl_editor_core)
