# vsl_import_library(DLL_TARGET DEF_FILE)
# Exports carry MSVC-style names ("_SetFrameRate@4"); callers declare the plain stdcall
# name (SetFrameRate, which mingw emits as SetFrameRate@4). This makes an import library
# that maps one onto the other, and an interface target `<DLL_TARGET>_host` to link with.
function(vsl_import_library target def)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${def})
  file(STRINGS ${def} lines)
  set(out "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*([^ \t=]+)[ \t]*=[ \t]*([^ \t]+)[ \t]*$")
      string(APPEND out "${CMAKE_MATCH_2} == ${CMAKE_MATCH_1}\n")
    else()
      string(APPEND out "${line}\n")
    endif()
  endforeach()
  set(hostdef ${CMAKE_CURRENT_BINARY_DIR}/${target}_host.def)
  vsl_write_if_changed(${hostdef} "${out}")
  set(implib ${CMAKE_ARCHIVE_OUTPUT_DIRECTORY}/lib${target}_host.a)
  add_custom_command(OUTPUT ${implib}
    COMMAND ${VSL_DLLTOOL} -d ${hostdef} -l ${implib}
    DEPENDS ${hostdef} VERBATIM)
  add_custom_target(${target}_implib DEPENDS ${implib})
  add_library(${target}_host INTERFACE)
  add_dependencies(${target}_host ${target}_implib ${target})
  target_link_libraries(${target}_host INTERFACE ${implib})
  target_include_directories(${target}_host INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()
