# Picture bundles for the tests, built into this folder (the tests'
# HYDROCALC_TEST_DATA_DIR): one that lacks most pictures and one that is no
# bundle at all. The complete bundle is the program's own, beside the program.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core)

# Holds 2021 only, under the same names as the real bundle.
set(TEST_BUNDLE_INCOMPLETE_QRC ${CMAKE_CURRENT_BINARY_DIR}/incomplete-bundle.qrc)
file(CONFIGURE OUTPUT ${TEST_BUNDLE_INCOMPLETE_QRC} CONTENT [[
<!DOCTYPE RCC>
<RCC version="1.0">
  <qresource prefix="/">
    <file alias="2021.svg">@PROJECT_SOURCE_DIR@/resources/tormel/2021.svg</file>
  </qresource>
</RCC>
]] @ONLY)
# rcc does not make the folder it writes into.
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/incomplete ${CMAKE_CURRENT_BINARY_DIR}/corrupt)
qt_add_binary_resources(test_bundle_incomplete ${TEST_BUNDLE_INCOMPLETE_QRC}
  DESTINATION ${CMAKE_CURRENT_BINARY_DIR}/incomplete/tormel.rcc)

# Holds 2022 only: a bundle without the pump page's picture.
set(TEST_BUNDLE_NO_PUMP_QRC ${CMAKE_CURRENT_BINARY_DIR}/no-pump-bundle.qrc)
file(CONFIGURE OUTPUT ${TEST_BUNDLE_NO_PUMP_QRC} CONTENT [[
<!DOCTYPE RCC>
<RCC version="1.0">
  <qresource prefix="/">
    <file alias="2022.svg">@PROJECT_SOURCE_DIR@/resources/tormel/2022.svg</file>
  </qresource>
</RCC>
]] @ONLY)
file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/no-pump)
qt_add_binary_resources(test_bundle_no_pump ${TEST_BUNDLE_NO_PUMP_QRC}
  DESTINATION ${CMAKE_CURRENT_BINARY_DIR}/no-pump/tormel.rcc)

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
