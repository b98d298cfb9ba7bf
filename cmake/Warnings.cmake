# The project's own targets are built with the full warning set. Warnings
# become errors only where they serve us (our scripts and CI turn the option
# on); a packager's build in any build type is not stopped by a new compiler's
# new warning.
option(HYDROCALC_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

function(hydrocalc_warnings target)
  # Tables of controls and cases name their leading fields and leave the
  # rest at their defaults on purpose.
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers)
  if(HYDROCALC_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
