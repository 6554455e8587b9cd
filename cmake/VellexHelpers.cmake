# vellex_add_test(NAME <exe> LABEL <label> SOURCES <files...> LIBS <targets...>)
# One GoogleTest executable per folder, registered with CTest under its label.
function(vellex_add_test)
  cmake_parse_arguments(T "" "NAME;LABEL" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} vellex_test_support GTest::gtest GTest::gmock GTest::gtest_main)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  # A hang fails the run instead of holding CI until its own limit. Fonts at 96 dpi as on
  # an office screen (offscreen Qt 5 would count 100).
  set_tests_properties(${T_NAME} PROPERTIES
    TIMEOUT 600
    LABELS ${T_LABEL}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_FONT_DPI=96;VELLEX_TEST_DATA=${CMAKE_SOURCE_DIR}/tests/data;VELLEX_BIN_DIR=${CMAKE_BINARY_DIR}/bin")
endfunction()
