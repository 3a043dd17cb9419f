# vsl_write_if_changed(PATH TEXT)
# Writes a generated file only when its text differs, so that configuring again leaves
# its time stamp, and everything built from it, alone.
function(vsl_write_if_changed path text)
  if(EXISTS ${path})
    file(READ ${path} old)
    if(old STREQUAL text)
      return()
    endif()
  endif()
  file(WRITE ${path} "${text}")
endfunction()
