# Helpers shared by the CMake files of the tree.

# Collects the sources of a folder. Globbing keeps the many small files of a module out of
# hand-kept lists; CONFIGURE_DEPENDS makes a new file trigger a re-configure.
function(mirn_glob_sources out_var)
  set(result "")
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.c)
    list(APPEND result ${found})
  endforeach()
  set(${out_var} ${result} PARENT_SCOPE)
endfunction()

# Fails the configure step when a target's link closure names a Qt library.
# mirn_core must stay free of Qt so that every rule runs without a display.
function(mirn_forbid_qt target)
  set(seen "")
  set(queue ${target})
  while(queue)
    list(POP_FRONT queue current)
    if(current IN_LIST seen)
      continue()
    endif()
    list(APPEND seen ${current})
    if(current MATCHES "^Qt[0-9]*::" OR current MATCHES "[Qq]t6")
      message(FATAL_ERROR "${target} links ${current}: the core must not depend on Qt")
    endif()
    if(TARGET ${current})
      get_target_property(libs ${current} LINK_LIBRARIES)
      get_target_property(ilibs ${current} INTERFACE_LINK_LIBRARIES)
      foreach(lib IN LISTS libs ilibs)
        if(lib AND NOT lib MATCHES "-NOTFOUND$")
          string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" lib "${lib}")
          list(APPEND queue ${lib})
        endif()
      endforeach()
    endif()
  endwhile()
endfunction()
