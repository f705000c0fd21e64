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
# Bit for bit the desktop's results: the same generated inputs through both builds.
add_test(NAME web.agreement
    COMMAND ${PROJECT_SOURCE_DIR}/tests/web/agreement.sh $<TARGET_FILE:agreement_probe> ${TARVOLA_NODE}
        ${_web_dir}/tests/core/agreement_probe.js)
set_tests_properties(web.agreement PROPERTIES LABELS web TIMEOUT 300)

# The page's browser tests drive Debian's Chromium and Firefox ESR through puppeteer-core at the
# version the lockfile pins; npm ci installs it beside the tests again whenever the lockfile is
# newer than npm's own record of the install (node_modules is not in the tree).
find_program(TARVOLA_NPM npm REQUIRED)
set(_web_tests ${PROJECT_SOURCE_DIR}/tests/web)
add_custom_command(
    OUTPUT ${_web_tests}/node_modules/.package-lock.json
    COMMAND ${TARVOLA_NPM} ci --no-audit --no-fund
    COMMAND ${CMAKE_COMMAND} -E touch ${_web_tests}/node_modules/.package-lock.json
    DEPENDS ${_web_tests}/package-lock.json ${_web_tests}/package.json
    WORKING_DIRECTORY ${_web_tests}
    COMMENT "Installing the page tests' packages (npm ci)"
    VERBATIM)
add_custom_target(web_test_packages ALL DEPENDS ${_web_tests}/node_modules/.package-lock.json)

# Each test in both browsers, one run of a browser at a time: the page's refresh runs on a timer
# and two browsers at once on a busy machine only make the waits longer.
foreach(browser chromium firefox)
    add_test(NAME web.typing_${browser}
        COMMAND ${TARVOLA_NODE} ${_web_tests}/typing_test.mjs --browser ${browser}
            --site ${_web_dir}/web/site --single-file ${_web_dir}/web/tarvola.html
            "--caption=${TARVOLA_MAIN_CAPTION}")
    add_test(NAME web.offline_${browser}
        COMMAND ${TARVOLA_NODE} ${_web_tests}/offline_test.mjs --browser ${browser}
            --site ${_web_dir}/web/site --single-file ${_web_dir}/web/tarvola.html)
    add_test(NAME web.update_${browser}
        COMMAND ${TARVOLA_NODE} ${_web_tests}/update_test.mjs --browser ${browser} --site ${_web_dir}/web/site)
    add_test(NAME web.about_${browser}
        COMMAND ${TARVOLA_NODE} ${_web_tests}/about_test.mjs --browser ${browser}
            --site ${_web_dir}/web/site --single-file ${_web_dir}/web/tarvola.html)
    # Its screenshots of both windows at 100 and 200 %, dark and forced colours stay in the build.
    add_test(NAME web.appearance_${browser}
        COMMAND ${TARVOLA_NODE} ${_web_tests}/appearance_test.mjs --browser ${browser}
            --site ${_web_dir}/web/site --single-file ${_web_dir}/web/tarvola.html --shots ${_web_dir}/web/shots)
    set_tests_properties(web.typing_${browser} web.about_${browser} web.appearance_${browser}
        PROPERTIES LABELS web TIMEOUT 300 RESOURCE_LOCK web_${browser})
    set_tests_properties(web.offline_${browser} web.update_${browser} PROPERTIES LABELS web TIMEOUT 120 RESOURCE_LOCK web_${browser})
endforeach()
