# The Win32 program, cross-built with mingw-w64 and linked statically: the
# executable imports only Windows' own DLLs.
enable_language(RC)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(TCLS_MANIFEST_ARCH x86)
else()
  set(TCLS_MANIFEST_ARCH amd64)
endif()
configure_file(${CMAKE_SOURCE_DIR}/res/app.manifest.in ${CMAKE_BINARY_DIR}/res/app.manifest @ONLY)
set(CMAKE_RC_FLAGS "${CMAKE_RC_FLAGS} -I${CMAKE_BINARY_DIR}/res -I${CMAKE_SOURCE_DIR}/res")

# Small code, no exception or RTTI machinery, no thread-safe statics (one
# thread), unused sections dropped.
set(TCLS_WINDOWS_COMPILE_OPTIONS
  -Os -fno-exceptions -fno-rtti -fno-threadsafe-statics -fno-asynchronous-unwind-tables
  -ffunction-sections -fdata-sections -Wall -Wextra -Werror)
set(TCLS_WINDOWS_DEFINITIONS UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
# ASLR (with relocations kept) and DEP; stripped; statically linked runtime.
set(TCLS_WINDOWS_LINK_OPTIONS
  -static -s -Wl,--gc-sections -Wl,--dynamicbase -Wl,--nxcompat)
if(NOT CMAKE_SIZEOF_VOID_P EQUAL 4)
  list(APPEND TCLS_WINDOWS_LINK_OPTIONS -Wl,--high-entropy-va)
endif()

# Every Windows executable of the project is built with the same flags.
add_library(tcls_windows_flags INTERFACE)
target_compile_options(tcls_windows_flags INTERFACE $<$<COMPILE_LANGUAGE:CXX>:${TCLS_WINDOWS_COMPILE_OPTIONS}>)
target_compile_definitions(tcls_windows_flags INTERFACE ${TCLS_WINDOWS_DEFINITIONS})
target_link_options(tcls_windows_flags INTERFACE ${TCLS_WINDOWS_LINK_OPTIONS})

add_library(tcls_program STATIC
  ${TCLS_CORE_SOURCES}
  src/platform/cp936.cpp
  src/platform/saved_window_state.cpp
  src/platform/win32_files.cpp
  src/platform/win32_folder_picker.cpp
  src/platform/win32_process.cpp
  src/platform/win32_program.cpp
  src/platform/win32_windows.cpp
)
target_include_directories(tcls_program PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(tcls_program PUBLIC tcls_windows_flags ole32 user32 gdi32 kernel32)

add_executable(TclsOverride WIN32 src/platform/main.cpp res/app.rc)
target_link_libraries(TclsOverride PRIVATE tcls_program)
set_property(SOURCE res/app.rc APPEND PROPERTY OBJECT_DEPENDS
  ${CMAKE_SOURCE_DIR}/res/app.ico ${CMAKE_BINARY_DIR}/res/app.manifest)

# The floor that the program's start-up, memory and size are measured
# against: one empty window, same toolchain, same flags.
add_executable(floor WIN32 tests/bench/floor.cpp)
target_link_libraries(floor PRIVATE tcls_windows_flags user32 gdi32 kernel32)
# The floor plus what the program must do at start-up, to tell what each
# costs: OleInitialize; then also a control of common controls 6.
add_executable(floor_ole WIN32 tests/bench/floor.cpp)
target_compile_definitions(floor_ole PRIVATE TCLS_FLOOR_OLE)
target_link_libraries(floor_ole PRIVATE tcls_windows_flags ole32 user32 gdi32 kernel32)
add_executable(floor_ole_cc6 WIN32 tests/bench/floor.cpp tests/bench/floor_cc6.rc)
target_compile_definitions(floor_ole_cc6 PRIVATE TCLS_FLOOR_OLE TCLS_FLOOR_CONTROLS)
target_link_libraries(floor_ole_cc6 PRIVATE tcls_windows_flags ole32 user32 gdi32 kernel32)

option(TCLS_BUILD_TESTS "Build the Win32 test programs" OFF)
if(TCLS_BUILD_TESTS)
  include(cmake/windows-tests.cmake)
endif()
