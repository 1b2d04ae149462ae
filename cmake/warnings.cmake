# Warnings on, and treated as errors, in the project's own code.
function(qz_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor
                                             -Wcast-align -Wnull-dereference -Werror)
  endif()
endfunction()
