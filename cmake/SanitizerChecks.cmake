# A second build of this same tree with clang, AddressSanitizer and UndefinedBehaviorSanitizer:
# the core and refresh-cycle tests plus the fuzzer. It is built with the main tree and its
# tests run from the main tree's ctest, so one ctest run covers everything.
include(ExternalProject)

find_program(TARVOLA_CLANGXX NAMES clang++ clang++-14 REQUIRED)
set(_sanitized_dir ${CMAKE_BINARY_DIR}/sanitized)

ExternalProject_Add(sanitized_build
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${_sanitized_dir}
    CMAKE_ARGS
        -DCMAKE_CXX_COMPILER=${TARVOLA_CLANGXX}
        -DCMAKE_BUILD_TYPE=RelWithDebInfo
        -DTARVOLA_WITH_UI=OFF
        -DTARVOLA_BUILD_BENCH=OFF
        -DTARVOLA_SANITIZE=ON
        -DTARVOLA_FUZZ=ON
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)

add_test(NAME sanitized.core_tests
    COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${_sanitized_dir} --label-exclude fuzz --no-tests=error --output-on-failure --parallel 2)
add_test(NAME sanitized.fuzz
    COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${_sanitized_dir} --label-regex fuzz --no-tests=error --output-on-failure)
set_tests_properties(sanitized.core_tests sanitized.fuzz PROPERTIES TIMEOUT 900)
