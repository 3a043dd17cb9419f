# Pictures, decoders, surfaces and the service table (Windows build; the picture-record
# test is registered for both builds beside the other platform-free ones).

vsl_add_test(engine_images_test EngineImagesTest.cpp LIBS Quor2_5_host quor_images)
add_dependencies(engine_images_test blit16 zorudor)
if(TARGET bmjpeg)
  add_dependencies(engine_images_test bmjpeg)
endif()

# The engine must refuse to load beside a BLIT16.DLL that lacks an entry: a copy of the
# blitter built without _ScaleAlphaChannel@4, and a small program that loads the engine.
file(STRINGS ${CMAKE_SOURCE_DIR}/plugins/blit16/blit16.def blit16_exports)
list(FILTER blit16_exports EXCLUDE REGEX "ScaleAlphaChannel")
list(JOIN blit16_exports "\n" blit16_broken_def)
vsl_write_if_changed(${CMAKE_CURRENT_BINARY_DIR}/blit16_broken.def "${blit16_broken_def}\n")
add_library(blit16_broken SHARED ${CMAKE_SOURCE_DIR}/plugins/blit16/Blit16.cpp
            ${CMAKE_CURRENT_BINARY_DIR}/blit16_broken.def)
target_link_libraries(blit16_broken PRIVATE blit16_kernels)
set_target_properties(blit16_broken PROPERTIES PREFIX "" OUTPUT_NAME BLIT16 SUFFIX ".DLL"
                      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/broken
                      ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/broken)
add_executable(blitter_probe BlitterProbe.cpp)
set_target_properties(blitter_probe PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/probe)

vsl_add_test(blitter_load_test BlitterLoadTest.cpp)
add_dependencies(blitter_load_test blit16_broken blitter_probe blit16 Quor2_5)
# Wine reaches the build tree through drive Z:.
target_compile_definitions(blitter_load_test PRIVATE
  VSL_PROBE_EXE="Z:$<TARGET_FILE:blitter_probe>"
  VSL_ENGINE_DLL="Z:$<TARGET_FILE:Quor2_5>"
  VSL_GOOD_BLITTER="Z:$<TARGET_FILE:blit16>"
  VSL_BROKEN_BLITTER="Z:$<TARGET_FILE:blit16_broken>")

# Surfaces, palettes, picture buffers and asset decoding, from the engine's insides.
vsl_add_test(engine_surfaces_test EngineSurfacesTest.cpp LIBS quor_objects)
add_dependencies(engine_surfaces_test blit16 zorudor)
