# The Win32 test programs: each starts the real executable as its own process
# under Wine and checks what a user and Windows see. CTest runs them through
# scripts/wine-run.sh (set as the cross-compiling emulator).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh)

add_library(e2e_harness STATIC tests/e2e/harness.cpp)
target_compile_options(e2e_harness PUBLIC -O1 -Wall -Wextra -Werror)
target_compile_definitions(e2e_harness PUBLIC UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601)
target_link_options(e2e_harness PUBLIC -static)
target_link_libraries(e2e_harness PUBLIC user32 gdi32)

function(tcls_e2e_program name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE e2e_harness)
  target_link_options(${name} PRIVATE -mconsole)
endfunction()

# The same program with text storage that refuses every request, for the
# fatal-error box. Only the tests build it.
add_executable(TclsOverrideRefusingStorage WIN32 tests/e2e/refusing_storage_main.cpp res/app.rc)
target_link_libraries(TclsOverrideRefusingStorage PRIVATE tcls_program)

tcls_e2e_program(main_window_test tests/e2e/main_window_test.cpp)
tcls_e2e_program(fatal_box_test tests/e2e/fatal_box_test.cpp)
tcls_e2e_program(step_two_test tests/e2e/step_two_test.cpp)
tcls_e2e_program(step_one_test tests/e2e/step_one_test.cpp tests/e2e/folder_dialog.cpp)
target_link_libraries(step_one_test PRIVATE comctl32)
tcls_e2e_program(saved_window_state_test tests/e2e/saved_window_state_test.cpp src/platform/saved_window_state.cpp)
target_include_directories(saved_window_state_test PRIVATE ${CMAKE_SOURCE_DIR}/src)
add_test(NAME saved_window_state COMMAND saved_window_state_test)

add_library(planted_dll SHARED tests/e2e/planted_dll.cpp)
set_target_properties(planted_dll PROPERTIES PREFIX "")
target_link_options(planted_dll PRIVATE -static)
tcls_e2e_program(dll_planting_test tests/e2e/dll_planting_test.cpp)
add_test(NAME dll_planting COMMAND dll_planting_test --exe=$<TARGET_FILE:TclsOverride> --floor=$<TARGET_FILE:floor>
  --dll=$<TARGET_FILE:planted_dll> --work=${CMAKE_BINARY_DIR}/planting)
set_tests_properties(dll_planting PROPERTIES RUN_SERIAL ON ENVIRONMENT "WINEDLLOVERRIDES=uxtheme=n,b;mscoree,mshtml=")

foreach(locale zh_CN.UTF-8 en_US.UTF-8)
  add_test(NAME main_window.${locale} COMMAND main_window_test --exe=$<TARGET_FILE:TclsOverride>)
  set_tests_properties(main_window.${locale} PROPERTIES ENVIRONMENT "LANG=${locale};LC_ALL=${locale}" RUN_SERIAL ON)
endforeach()
foreach(locale zh_CN.UTF-8 en_US.UTF-8)
  add_test(NAME step_one.${locale} COMMAND step_one_test --exe=$<TARGET_FILE:TclsOverride>)
  set_tests_properties(step_one.${locale} PROPERTIES ENVIRONMENT "LANG=${locale};LC_ALL=${locale}" RUN_SERIAL ON)
  add_test(NAME step_two.${locale} COMMAND step_two_test --exe=$<TARGET_FILE:TclsOverride>)
  set_tests_properties(step_two.${locale} PROPERTIES ENVIRONMENT "LANG=${locale};LC_ALL=${locale}" RUN_SERIAL ON)
endforeach()
add_test(NAME fatal_box COMMAND fatal_box_test --exe=$<TARGET_FILE:TclsOverrideRefusingStorage>)
set_tests_properties(fatal_box PROPERTIES ENVIRONMENT "LANG=zh_CN.UTF-8;LC_ALL=zh_CN.UTF-8" RUN_SERIAL ON)

# The x86-64 test build as a file.
add_test(NAME test_build.pe
  COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/pe/check_pe.py $<TARGET_FILE:TclsOverride> --machine amd64)

# The shipped i686 executable, built in its own tree: the file itself, and
# one whole run under the 32-bit Wine.
set(TCLS_SHIPPED_EXE "" CACHE FILEPATH "The shipped i686 TclsOverride.exe to test")
if(TCLS_SHIPPED_EXE)
  add_test(NAME shipped_exe.pe
    COMMAND python3 ${CMAKE_SOURCE_DIR}/tests/pe/check_pe.py ${TCLS_SHIPPED_EXE} --machine i386 --max-size 49152)
  add_test(NAME shipped_exe.window
    COMMAND main_window_test --exe=${TCLS_SHIPPED_EXE} --start-ms=180000 WindowAndControlsAreWhatTheFormSays)
  add_test(NAME shipped_exe.step_two
    COMMAND step_two_test --exe=${TCLS_SHIPPED_EXE} --start-ms=180000 WritesBothFilesIntoTheChineseGameFolder)
  add_test(NAME shipped_exe.whole_job COMMAND step_one_test --exe=${TCLS_SHIPPED_EXE} --start-ms=180000 TheWholeJob)
  set_tests_properties(shipped_exe.window shipped_exe.step_two shipped_exe.whole_job PROPERTIES
    ENVIRONMENT "LANG=zh_CN.UTF-8;LC_ALL=zh_CN.UTF-8" RUN_SERIAL ON)
endif()

# The benchmark driver (scripts/bench.sh runs it; it is no test).
add_executable(bench_driver tests/bench/bench_driver.cpp)
target_link_libraries(bench_driver PRIVATE e2e_harness psapi)
target_link_options(bench_driver PRIVATE -mconsole)
