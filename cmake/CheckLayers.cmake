# Fails when a source file includes a header of a layer above its own:
#   model <- circuit <- ui <- pages <- app
# A layer may include its own folder and every folder below it. model/ and
# circuit/ are computed without a window, so they include no Qt header either.
#
#   cmake -DROOT=<source tree> -P CheckLayers.cmake

cmake_minimum_required(VERSION 3.25)

if(NOT ROOT)
  message(FATAL_ERROR "CheckLayers: set ROOT to the source tree")
endif()

set(layers model circuit ui pages app)
set(windowless model circuit)
set(violations "")

foreach(layer IN LISTS layers)
  list(FIND layers ${layer} own_rank)
  file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp)
  foreach(source IN LISTS sources)
    file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      if(line MATCHES "#[ \t]*include[ \t]*\"([A-Za-z_]+)/([^\"]+)\"")
        set(folder ${CMAKE_MATCH_1})
        list(FIND layers ${folder} rank)
        if(rank GREATER own_rank)
          string(APPEND violations "  ${source} includes ${folder}/${CMAKE_MATCH_2}, a layer above ${layer}/\n")
        endif()
      elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z]*)")
        if(layer IN_LIST windowless)
          string(APPEND violations "  ${source} includes <${CMAKE_MATCH_1}>: ${layer}/ is computed without a window\n")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes against the layers (model <- circuit <- ui <- pages <- app):\n${violations}")
endif()
message(STATUS "Every layer includes only its own folder and the layers below it")
