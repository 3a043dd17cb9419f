# Hostile asset files against the engine's exports (Windows build): the generator, the
# child process that puts every file in front of the engine, and the test that runs the
# child beside the regression cases.
add_library(hostile_assets STATIC HostileAssets.cpp)
target_include_directories(hostile_assets PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(hostile_assets PUBLIC quor_images zorudor_codec)

add_executable(hostile_asset_runner HostileAssetRunner.cpp)
target_link_libraries(hostile_asset_runner PRIVATE hostile_assets Quor2_5_host)
target_link_options(hostile_asset_runner PRIVATE -mconsole)

vsl_add_test(hostile_assets_test HostileAssetsTest.cpp LIBS hostile_assets Quor2_5_host WINDOW)
add_dependencies(hostile_assets_test hostile_asset_runner blit16 zorudor)
if(TARGET bmjpeg)
  add_dependencies(hostile_assets_test bmjpeg)
endif()
