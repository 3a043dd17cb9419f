# Sprite geometry: built and tested in both builds.
if(NOT TARGET sprite_math_test)
  vsl_add_test(sprite_math_test SpriteMathTest.cpp LIBS quor_sprite_math)
endif()
