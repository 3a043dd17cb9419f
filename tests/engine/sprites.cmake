# Sprites: the table, the kinds, layers, drawing and the exports (Windows build).
include(${CMAKE_CURRENT_LIST_DIR}/sprite_math.cmake)

vsl_add_test(sprite_exports_test SpriteExportsTest.cpp LIBS Quor2_5_host)
add_dependencies(sprite_exports_test blit16)

vsl_add_test(sprite_render_test SpriteRenderTest.cpp LIBS quor_objects)
add_dependencies(sprite_render_test blit16)

vsl_add_test(image_sprite_test ImageSpriteTest.cpp LIBS quor_objects)
add_dependencies(image_sprite_test blit16)

vsl_add_test(owner_draw_sprite_test OwnerDrawSpriteTest.cpp LIBS quor_objects)
add_dependencies(owner_draw_sprite_test blit16)

vsl_add_test(text_sprite_test TextSpriteTest.cpp LIBS quor_objects WINDOW)
add_dependencies(text_sprite_test blit16)

vsl_add_test(sprt_layouts_test SprtLayoutsTest.cpp LIBS quor_objects)
add_dependencies(sprt_layouts_test blit16)
