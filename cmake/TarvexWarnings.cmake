# Compiler settings every Tarvex target shares.
add_library(tarvex_options INTERFACE)
target_compile_options(tarvex_options INTERFACE
  -Wall -Wextra -Wshadow -Wconversion -Wsign-conversion -Wpedantic)
if(TARVEX_WARNINGS_AS_ERRORS)
  target_compile_options(tarvex_options INTERFACE -Werror)
endif()
if(TARVEX_BUILD_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "The fuzz targets need clang's libFuzzer: configure with the fuzz preset")
  endif()
  # Every library gets libFuzzer's coverage; the fuzz targets link the fuzzer itself.
  target_compile_options(tarvex_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(tarvex_options INTERFACE -fsanitize=address,undefined)
endif()
if(TARVEX_SANITIZE)
  target_compile_options(tarvex_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(tarvex_options INTERFACE -fsanitize=address,undefined)
endif()

# tarvex_library(NAME SOURCES... DEPS ...): one library target of a src/ folder.
function(tarvex_library name)
  cmake_parse_arguments(ARG "SHARED" "" "SOURCES;DEPS;PUBLIC_DEPS" ${ARGN})
  if(ARG_SHARED)
    add_library(${name} SHARED ${ARG_SOURCES})
  else()
    add_library(${name} STATIC ${ARG_SOURCES})
  endif()
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PRIVATE tarvex_options ${ARG_DEPS} PUBLIC ${ARG_PUBLIC_DEPS})
endfunction()

# tarvex_test(NAME SOURCES... DEPS ...): one GoogleTest executable registered with CTest.
function(tarvex_test name)
  cmake_parse_arguments(ARG "NO_MAIN" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
  if(ARG_NO_MAIN)
    target_link_libraries(${name} PRIVATE tarvex_options GTest::gtest GTest::gmock ${ARG_DEPS})
  else()
    target_link_libraries(${name} PRIVATE tarvex_options GTest::gtest GTest::gmock GTest::gtest_main ${ARG_DEPS})
  endif()
  target_compile_definitions(${name} PRIVATE
    TARVEX_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    TARVEX_FIXTURES_DIR="${PROJECT_SOURCE_DIR}/tests/fixtures"
    TARVEX_PROGRAM_DIR="${TARVEX_PROGRAM_DIR}")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
