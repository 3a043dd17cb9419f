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

# Tests and tools built here run through Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# No mingw runtime DLLs beside the program: the C++ and gcc runtimes are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT    "-static-libgcc -static-libstdc++ -static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
