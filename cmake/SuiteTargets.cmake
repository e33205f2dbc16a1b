# Shared compile settings and the small helpers every program's CMakeLists uses.

add_library(suite_warnings INTERFACE)
if(MSVC)
  target_compile_options(suite_warnings INTERFACE /W4 /utf-8 $<$<BOOL:${SUITE_WERROR}>:/WX>)
else()
  target_compile_options(suite_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough
    $<$<BOOL:${SUITE_WERROR}>:-Werror>)
  # GCC 12 reports false "maybe uninitialized" on std::optional of Qt's
  # implicitly shared types at -O2.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(suite_warnings INTERFACE -Wno-maybe-uninitialized)
  endif()
endif()
if(SUITE_SANITIZE)
  target_compile_options(suite_warnings INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(suite_warnings INTERFACE -fsanitize=address,undefined)
endif()

# A plain C++ library: the rules or format of one program, no Qt. Its headers
# are included by their path from the repository's root, which names the
# program: "texpeek/core/dds_file.h".
function(suite_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC suite_warnings)
endfunction()

# The windows of one program: Qt widgets over its core, included as
# "<program>/ui/...".
function(suite_ui_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC common_ui Qt6::Widgets suite_warnings)
endfunction()

# The program itself, main.cpp over its windows; a windowed (not console)
# program on Windows.
function(suite_program name ui_library)
  add_executable(${name} main.cpp)
  target_link_libraries(${name} PRIVATE ${ui_library} suite_warnings)
  set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE ON)
endfunction()

# Test programs compiled a few sources to a file: each test source spends
# most of its compile time on the same Qt, Qt Test and GoogleTest headers, so
# a full build (./test.sh) takes a third less time. Off by default, where one
# test file changed would recompile its neighbours too.
option(SUITE_UNITY_TESTS "Compile the test programs a few sources to a file" OFF)
set(SUITE_UNITY_BATCH 8 CACHE STRING "How many test sources go in one file with SUITE_UNITY_TESTS")

# A GoogleTest executable whose cases CTest lists as <prefix>.<Suite>.<Case>.
# Window tests link suite_testing, whose main() starts a headless QApplication.
function(suite_gtest name prefix)
  if(NOT BUILD_TESTING)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} suite_warnings)
  if(SUITE_UNITY_TESTS)
    set_target_properties(${name} PROPERTIES UNITY_BUILD ON UNITY_BUILD_BATCH_SIZE ${SUITE_UNITY_BATCH})
  endif()
  add_dependencies(suite_tests ${name})
  gtest_discover_tests(${name}
    TEST_PREFIX "${prefix}."
    DISCOVERY_MODE PRE_TEST
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
               TIMEOUT 120)
endfunction()

# A Google Benchmark executable; never registered with CTest.
function(suite_benchmark name)
  if(NOT SUITE_BENCHMARKS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark suite_warnings)
endfunction()

# A program for developers (screenshots for docs/, fuzz corpora): built only
# with SUITE_TOOLS, never installed, never a test.
function(suite_tool name)
  if(NOT SUITE_TOOLS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} suite_warnings)
endfunction()

# ---- Fuzzing (libFuzzer) ------------------------------------------------
# With -DSUITE_FUZZ=ON (clang only) every target is built with AddressSanitizer
# and UndefinedBehaviorSanitizer, and with the coverage feedback libFuzzer
# steers by, so that the core libraries a target links are explored too, not
# only the target's own file.
if(SUITE_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "SUITE_FUZZ needs clang (configure with CC=clang CXX=clang++)")
  endif()
  target_compile_options(suite_warnings INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
    -fno-omit-frame-pointer)
  target_link_options(suite_warnings INTERFACE -fsanitize=address,undefined)
endif()

# A libFuzzer target over one parser: LLVMFuzzerTestOneInput in SOURCES, the
# parser's core library in LIBS. Built only with -DSUITE_FUZZ=ON (clang); its
# corpus of starting inputs lives in fuzz/corpus/<name>/ beside the program's
# CMakeLists. scripts/fuzz.sh builds and runs them all.
function(suite_fuzz_target name)
  if(NOT SUITE_FUZZ)
    return()
  endif()
  if(NOT name MATCHES "_fuzz$")
    message(FATAL_ERROR "fuzz target ${name}: the name must end in _fuzz")
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} suite_warnings)
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_property(GLOBAL APPEND PROPERTY SUITE_FUZZ_TARGETS ${name})
  set_property(GLOBAL APPEND PROPERTY SUITE_FUZZ_CORPORA
               ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${name})
endfunction()

# Called once every program is added: one target that builds all fuzz
# targets, and a list of "<name> <executable> <corpus folder>" lines for
# scripts/fuzz.sh.
function(suite_fuzz_summary)
  if(NOT SUITE_FUZZ)
    return()
  endif()
  get_property(targets GLOBAL PROPERTY SUITE_FUZZ_TARGETS)
  get_property(corpora GLOBAL PROPERTY SUITE_FUZZ_CORPORA)
  add_custom_target(suite_fuzz_targets)
  set(lines "")
  foreach(target corpus IN ZIP_LISTS targets corpora)
    add_dependencies(suite_fuzz_targets ${target})
    string(APPEND lines "${target} $<TARGET_FILE:${target}> ${corpus}\n")
  endforeach()
  file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/fuzz_targets.txt CONTENT "${lines}")
endfunction()
