# The fuzz targets need coverage instrumentation in the code they reach; the tests, tools and
# benchmarks must not carry it. A fuzz copy of a library builds the same sources with coverage, and
# links the fuzz copies of the libraries it uses. Call it where the library is defined, so that its
# imported dependencies are visible.
function(zuno_fuzz_copy target)
  get_target_property(sources ${target} SOURCES)
  get_target_property(includes ${target} INTERFACE_INCLUDE_DIRECTORIES)
  get_target_property(libs ${target} LINK_LIBRARIES)
  set(copy ${target}_fuzz)
  add_library(${copy} STATIC ${sources})
  target_include_directories(${copy} PUBLIC ${includes})
  set(mapped)
  foreach(lib IN LISTS libs)
    if(TARGET ${lib}_fuzz)
      list(APPEND mapped ${lib}_fuzz)
    else()
      list(APPEND mapped ${lib})
    endif()
  endforeach()
  target_link_libraries(${copy} PUBLIC ${mapped})
  target_compile_options(${copy} PRIVATE -fsanitize=fuzzer-no-link)
endfunction()
