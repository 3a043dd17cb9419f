# Pay table tests: filling, packing and unpacking, and the pay-line matcher (both builds).
vsl_add_test(paytable_test
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/PayTableTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PayTableMatchTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PayTablePackTest.cpp
  LIBS vsl_paytable)
