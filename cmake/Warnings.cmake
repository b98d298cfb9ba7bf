# Warnings are errors on the project's own targets, never on what it pulls in.
function(hydrocalc_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
