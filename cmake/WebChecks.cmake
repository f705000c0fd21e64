# A third build of this same tree with Emscripten: the core and refresh-cycle tests in
# WebAssembly under Node, and the page (web/) with its tests in Chromium and Firefox, all run
# from the main tree's ctest.
include(ExternalProject)
include(${CMAKE_CURRENT_LIST_DIR}/RequireTools.cmake)
tarvola_require_tools(web-checks)

set(_web_dir ${CMAKE_BINARY_DIR}/web)
find_file(TARVOLA_EMSCRIPTEN_TOOLCHAIN Emscripten.cmake
    PATHS /usr/share/emscripten/cmake/Modules/Platform NO_DEFAULT_PATH REQUIRED)
find_program(TARVOLA_NODE NAMES node nodejs REQUIRED)
# Emscripten's own scripts find Debian's JavaScript modules there whichever Node runs them.
set(_emscripten_env ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

ExternalProject_Add(web_build
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${_web_dir}
    CMAKE_COMMAND ${_emscripten_env} ${CMAKE_COMMAND}
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${TARVOLA_EMSCRIPTEN_TOOLCHAIN}
        -DCMAKE_CROSSCOMPILING_EMULATOR=${TARVOLA_NODE}
        -DCMAKE_BUILD_TYPE=MinSizeRel
    BUILD_COMMAND ${_emscripten_env} ${CMAKE_COMMAND} --build ${_web_dir} --parallel
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)

add_test(NAME web.core_tests
    COMMAND ${CMAKE_CTEST_COMMAND} --test-dir ${_web_dir} --label-regex core --no-tests=error --output-on-failure)
set_tests_properties(web.core_tests PROPERTIES LABELS web TIMEOUT 600)
