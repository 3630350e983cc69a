# The portable core, built for the machine itself and unit-tested against
# fakes with GoogleTest, under AddressSanitizer and UndefinedBehaviorSanitizer.
set(TCLS_SANITIZE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)

add_library(tcls_core STATIC ${TCLS_CORE_SOURCES})
target_include_directories(tcls_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(tcls_core PUBLIC -Wall -Wextra -Werror ${TCLS_SANITIZE})
target_link_options(tcls_core PUBLIC ${TCLS_SANITIZE})

set(TCLS_GOOGLETEST_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${TCLS_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(unit_tests
  tests/unit/fakes.cpp
  tests/unit/text_test.cpp
  tests/unit/form_test.cpp
  tests/unit/fatal_error_test.cpp
  tests/unit/window_layer_test.cpp
  tests/unit/keyboard_test.cpp
  tests/unit/program_test.cpp
  tests/unit/step_one_test.cpp
  tests/unit/step_two_test.cpp
)
target_include_directories(unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
target_link_libraries(unit_tests PRIVATE tcls_core GTest::gtest_main)
add_test(NAME unit_tests COMMAND unit_tests --gtest_brief=1)
