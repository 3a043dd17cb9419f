# What the two mingw-w64 toolchain files share; each sets CMAKE_SYSTEM_PROCESSOR and
# TOOL_PREFIX first (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER   ${TOOL_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOL_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOL_PREFIX}-windres)
set(CMAKE_AR           /usr/bin/${TOOL_PREFIX}-ar CACHE FILEPATH "")
set(CMAKE_RANLIB       /usr/bin/${TOOL_PREFIX}-ranlib CACHE FILEPATH "")
set(VSL_DLLTOOL        ${TOOL_PREFIX}-dlltool)
set(VSL_WIDL           ${TOOL_PREFIX}-widl)

set(CMAKE_FIND_ROOT_PATH /usr/${TOOL_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# One floating-point model for every target of both builds: SSE2 double precision (never
# the x87, whose results depend on its precision word and its 80-bit registers) and no
# multiply fused with an add into one rounding. What a 32-bit program computes is then
# what a 64-bit one does, and the files the build-time tools write are the same in both
# builds by construction (cmake/x87-check.sh checks the 32-bit writers' code).
set(VSL_FLOAT_FLAGS "-msse2 -mfpmath=sse -ffp-contract=off")
set(CMAKE_C_FLAGS_INIT   "${VSL_FLOAT_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "${VSL_FLOAT_FLAGS}")
# A build folder configured before the model was set here keeps its cached flags: it gets
# the model added to them.
foreach(lang C CXX)
  if(DEFINED CACHE{CMAKE_${lang}_FLAGS} AND NOT "$CACHE{CMAKE_${lang}_FLAGS}" MATCHES "-mfpmath=sse")
    string(STRIP "${VSL_FLOAT_FLAGS} $CACHE{CMAKE_${lang}_FLAGS}" flags)
    set_property(CACHE CMAKE_${lang}_FLAGS PROPERTY VALUE "${flags}")
  endif()
endforeach()

# Tests and tools built here run through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# No mingw runtime DLLs beside the program: the C++ and gcc runtimes are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static-libgcc -static-libstdc++ -static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
