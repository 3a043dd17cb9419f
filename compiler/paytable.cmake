# The pay table with its packed word form and pay-line matcher: platform-free, built in
# both builds.
add_library(vsl_paytable STATIC
  ${CMAKE_CURRENT_LIST_DIR}/PayTable.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PackedText.cpp)
target_include_directories(vsl_paytable PUBLIC ${CMAKE_CURRENT_LIST_DIR})
