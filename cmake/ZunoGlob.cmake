# Sources are found by globbing, so adding a file to a folder needs no edit here.
function(zuno_glob_sources out_var)
  set(result)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      ${dir}/*.cpp ${dir}/*.cc ${dir}/*.h ${dir}/*.hpp)
    list(APPEND result ${found})
  endforeach()
  set(${out_var} ${result} PARENT_SCOPE)
endfunction()

# A library whose folder is still empty builds from one empty file.
function(zuno_nonempty_sources var)
  if(NOT ${var})
    set(stub ${CMAKE_BINARY_DIR}/zuno_empty.cpp)
    if(NOT EXISTS ${stub})
      file(WRITE ${stub} "// placeholder for a library without sources yet\n")
    endif()
    set(${var} ${stub} PARENT_SCOPE)
  endif()
endfunction()
