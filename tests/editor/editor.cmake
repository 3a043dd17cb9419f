# Machine editor tests: the window-free parts in both builds; the editor window, its
# layout and elements, its pages and the gallery pickers driven under the display, and
# animation sets, in the Windows build.
vsl_add_test(editor_core_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/EditorCoreTest.cpp ${CMAKE_CURRENT_LIST_DIR}/PageRulesTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridEditsTest.cpp
  LIBS vsl_editor_core vsl_builder_core)
# The built-in machines' scripts, which the random edits start from; in the Windows build
# their pictures and sounds from the content build, so that each save is built.
if(VSL_WINDOWS)
  target_compile_definitions(editor_core_test PRIVATE VSL_BUILT_IN_MACHINES="Z:${CMAKE_SOURCE_DIR}/content/machines"
    VSL_CONTENT_MACHINES="Z:${CMAKE_BINARY_DIR}/content/machines")
  target_link_libraries(editor_core_test PRIVATE vsl_builder)
  add_dependencies(editor_core_test vsl_content_files zorudor blit16)
else()
  target_compile_definitions(editor_core_test PRIVATE VSL_BUILT_IN_MACHINES="${CMAKE_SOURCE_DIR}/content/machines")
endif()

if(VSL_WINDOWS)
  # The machine folder of the content build: foxfire with its pictures and sounds.
  set(VSL_SOURCE_MACHINES "Z:${CMAKE_BINARY_DIR}/content/machines")
  vsl_add_test(editor_window_test
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/EditorWindowTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ElementEditingTest.cpp
      ${CMAKE_CURRENT_LIST_DIR}/AnimationSetTest.cpp ${CMAKE_CURRENT_LIST_DIR}/EditorPagesTest.cpp
    LIBS vsl_editor vsl_resources WINDOW)
  target_include_directories(editor_window_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/app/screens
    ${CMAKE_SOURCE_DIR}/tests/app/elements ${CMAKE_SOURCE_DIR}/tests/app ${CMAKE_SOURCE_DIR}/tests/app/images)
  target_compile_definitions(editor_window_test PRIVATE VSL_SOURCE_MACHINES="${VSL_SOURCE_MACHINES}"
    VSL_CLIP_ART_DIR="${VSL_CLIP_ART_DIR}")
  add_dependencies(editor_window_test blit16 vsl_content_files)

  # The editor on the display: a screenshot taken with the X tools.
  add_executable(editor_demo ${CMAKE_CURRENT_LIST_DIR}/EditorDemo.cpp)
  target_include_directories(editor_demo PRIVATE ${CMAKE_SOURCE_DIR}/tests/app/screens
    ${CMAKE_SOURCE_DIR}/tests/app/elements ${CMAKE_SOURCE_DIR}/tests/app ${CMAKE_SOURCE_DIR}/tests/app/images)
  target_compile_definitions(editor_demo PRIVATE VSL_SOURCE_MACHINES="${VSL_SOURCE_MACHINES}")
  target_link_libraries(editor_demo PRIVATE vsl_editor vsl_resources)
  target_link_options(editor_demo PRIVATE -mconsole)
  add_dependencies(editor_demo blit16 vsl_content_files)
  add_test(NAME editor_screenshot_test
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/editor_screenshot_test.sh $<TARGET_FILE:editor_demo>)
  set_tests_properties(editor_screenshot_test PROPERTIES LABELS window RUN_SERIAL TRUE TIMEOUT 60)

  # The Reels and Payouts pages on foxfire, with the dialogs of the program's resources.
  vsl_add_test(editor_grid_pages_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/GridPagesTest.cpp
    LIBS vsl_editor vsl_resources WINDOW)
  target_include_directories(editor_grid_pages_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/app/screens
    ${CMAKE_SOURCE_DIR}/tests/app/elements ${CMAKE_SOURCE_DIR}/tests/app ${CMAKE_SOURCE_DIR}/tests/app/images)
  target_compile_definitions(editor_grid_pages_test PRIVATE VSL_SOURCE_MACHINES="${VSL_SOURCE_MACHINES}")
  add_dependencies(editor_grid_pages_test blit16 vsl_content_files)

  # The gallery pickers over a gallery file that the test writes.
  vsl_add_test(gallery_picker_test SOURCES ${CMAKE_CURRENT_LIST_DIR}/GalleryPickerTest.cpp
    LIBS vsl_editor vsl_resources WINDOW)
  target_include_directories(gallery_picker_test PRIVATE ${CMAKE_SOURCE_DIR}/tests/engine ${CMAKE_SOURCE_DIR}/tests/app)
  add_dependencies(gallery_picker_test blit16)

  # The Reels and Payouts pages and the gallery on the display, for screenshots.
  add_executable(grid_pages_demo ${CMAKE_CURRENT_LIST_DIR}/GridPagesDemo.cpp)
  target_include_directories(grid_pages_demo PRIVATE ${CMAKE_SOURCE_DIR}/tests/app/screens
    ${CMAKE_SOURCE_DIR}/tests/app/elements ${CMAKE_SOURCE_DIR}/tests/app ${CMAKE_SOURCE_DIR}/tests/app/images)
  target_compile_definitions(grid_pages_demo PRIVATE VSL_SOURCE_MACHINES="${VSL_SOURCE_MACHINES}"
    VSL_CLIP_ART_GALLERY="Z:${CMAKE_BINARY_DIR}/cd/clipart/gallery.ast")
  target_link_libraries(grid_pages_demo PRIVATE vsl_editor vsl_resources)
  target_link_options(grid_pages_demo PRIVATE -mconsole)
  add_dependencies(grid_pages_demo blit16 vsl_content_files)
  add_test(NAME grid_pages_screenshot_test
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/grid_pages_screenshot_test.sh $<TARGET_FILE:grid_pages_demo>)
  set_tests_properties(grid_pages_screenshot_test PROPERTIES LABELS window RUN_SERIAL TRUE TIMEOUT 90)
endif()
