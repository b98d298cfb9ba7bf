# Picture bundles for the tests, built into this folder (the tests'
# HYDROCALC_TEST_DATA_DIR): two that each hold one picture only and one that
# is no bundle at all. The complete bundle is the program's own, beside the program.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core)

# A test bundle in folder `name` holding only the picture `number`, under the
# same names as the real bundle.
function(add_single_picture_bundle target name number)
  set(qrc ${CMAKE_CURRENT_BINARY_DIR}/${name}-bundle.qrc)
  # CONFIGURE rewrites the file only when its text changes, so rcc reruns only then.
  file(CONFIGURE OUTPUT ${qrc} CONTENT "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n\
    <file alias=\"${number}.svg\">${PROJECT_SOURCE_DIR}/resources/tormel/${number}.svg</file>\n\
  </qresource>\n</RCC>\n" @ONLY)
  # rcc does not make the folder it writes into.
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/${name})
  qt_add_binary_resources(${target} ${qrc} DESTINATION ${CMAKE_CURRENT_BINARY_DIR}/${name}/tormel.rcc)
endfunction()

# Lacks most pictures, 2022 among them.
add_single_picture_bundle(test_bundle_incomplete incomplete 2021)
# Lacks the pump page's picture.
add_single_picture_bundle(test_bundle_no_pump no-pump 2022)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/corrupt)

# A text file under the bundle's name.
set(TEST_BUNDLE_CORRUPT_TEXT ${CMAKE_CURRENT_BINARY_DIR}/corrupt-bundle.txt)
file(CONFIGURE OUTPUT ${TEST_BUNDLE_CORRUPT_TEXT}
  CONTENT "This is a text file, not a picture bundle.\n")
set(TEST_BUNDLE_CORRUPT ${CMAKE_CURRENT_BINARY_DIR}/corrupt/tormel.rcc)
add_custom_command(
  OUTPUT ${TEST_BUNDLE_CORRUPT}
  COMMAND ${CMAKE_COMMAND} -E copy ${TEST_BUNDLE_CORRUPT_TEXT} ${TEST_BUNDLE_CORRUPT}
  DEPENDS ${TEST_BUNDLE_CORRUPT_TEXT}
  VERBATIM)

add_custom_target(test_bundles DEPENDS ${TEST_BUNDLE_CORRUPT})
add_dependencies(test_bundles test_bundle_incomplete test_bundle_no_pump)
