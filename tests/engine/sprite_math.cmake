# Sprite geometry: built and tested in both builds.
if(NOT TARGET sprite_math_test)
  vsl_add_test(sprite_math_test SpriteMathTest.cpp LIBS quor_sprite_math)
endif()

# The SPRT asset's checks and fix-up: built and tested in both builds.
if(NOT TARGET sprt_asset_test)
  vsl_add_test(sprt_asset_test SprtAssetTest.cpp LIBS quor_sprite_math)
endif()
