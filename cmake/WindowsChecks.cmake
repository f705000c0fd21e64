# A second build of this same tree for Windows, cross-compiled with MinGW-w64: tarvola.exe, the
# core and refresh-cycle tests and the GUI driver. Its tests run under Wine from the main tree's
# ctest, in one private Wine prefix (made once by a fixture) and one at a time.
include(ExternalProject)
include(${CMAKE_CURRENT_LIST_DIR}/RequireTools.cmake)
tarvola_require_tools(windows-checks)

set(_windows_dir ${CMAKE_BINARY_DIR}/windows)
set(_wine_work ${CMAKE_BINARY_DIR}/wine)
set(_exe ${_windows_dir}/win32/tarvola.exe)

ExternalProject_Add(windows_build
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${_windows_dir}
    CMAKE_ARGS
        -DCMAKE_TOOLCHAIN_FILE=${PROJECT_SOURCE_DIR}/cmake/mingw-w64.cmake
        -DCMAKE_BUILD_TYPE=Release
        -DTARVOLA_BUILD_BENCH=ON
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)

# The installer, made from that build's program as a release makes it.
set(_msi ${_windows_dir}/tarvola.msi)
add_custom_target(windows_installer ALL
    COMMAND ${PROJECT_SOURCE_DIR}/packaging/windows/make_msi.sh ${_exe} ${_msi} ${TARVOLA_VERSION_TEXT}
    DEPENDS windows_build
    BYPRODUCTS ${_msi}
    VERBATIM USES_TERMINAL)

# Reads the cursor Wine shows from the X side.
find_package(PkgConfig REQUIRED)
pkg_check_modules(XFIXES REQUIRED IMPORTED_TARGET xfixes x11)
enable_language(C)
add_executable(x_cursor ${PROJECT_SOURCE_DIR}/tests/win32/x_cursor.c)
target_link_libraries(x_cursor PRIVATE PkgConfig::XFIXES)

add_test(NAME windows.prefix COMMAND ${PROJECT_SOURCE_DIR}/tests/win32/make_prefix.sh ${_wine_work})
set_tests_properties(windows.prefix PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 120)

# One executable that needs nothing Windows does not ship, and stays small.
add_test(NAME windows.executable COMMAND ${PROJECT_SOURCE_DIR}/tests/win32/check_executable.sh ${_exe})

# Linked once more, minutes after the build, from the same objects: not a byte may differ.
add_test(NAME windows.same_link COMMAND ${PROJECT_SOURCE_DIR}/tests/win32/same_link.sh ${_windows_dir})

add_test(NAME windows.core_tests
    COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${_wine_work}/wineprefix WINEDEBUG=-all
        ${PROJECT_SOURCE_DIR}/tests/win32/run_core_tests.sh ${_windows_dir})
# The display scales Windows laptops ship with: 100 % (comma, dot), 125, 150, 175 and 200 %.
foreach(_mode comma dot dpi120 dpi144 dpi168 dpi192)
    add_test(NAME windows.gui_${_mode}
        COMMAND ${PROJECT_SOURCE_DIR}/tests/win32/run_gui_tests.sh ${_mode}
            ${_windows_dir}/tests/win32/gui_driver.exe ${_exe} ${_wine_work} $<TARGET_FILE:x_cursor>)
endforeach()
# Both windows in one process, sent the WM_DPICHANGED Wine never sends (96 to 144 to 192 DPI),
# and Timer1's period; run in the GUI tests' session, its first argument unused.
add_test(NAME windows.dpi_change
    COMMAND ${PROJECT_SOURCE_DIR}/tests/win32/run_gui_tests.sh dpichange
        ${_windows_dir}/tests/win32/dpi_change_test.exe ${_exe} ${_wine_work} $<TARGET_FILE:x_cursor>)
set_tests_properties(windows.dpi_change PROPERTIES
    FIXTURES_REQUIRED wine_prefix RESOURCE_LOCK wine_prefix LABELS windows TIMEOUT 300)
add_test(NAME windows.installer
    COMMAND ${PROJECT_SOURCE_DIR}/tests/win32/installer_check.sh ${_msi} ${_exe} ${_wine_work})
# The version the entry must show and the caption the installed program's window is found by.
set_tests_properties(windows.installer PROPERTIES ENVIRONMENT
    "TARVOLA_VERSION_TEXT=${TARVOLA_VERSION_TEXT};TARVOLA_MAIN_CAPTION=${TARVOLA_MAIN_CAPTION}")
set_tests_properties(windows.core_tests windows.installer windows.gui_comma windows.gui_dot windows.gui_dpi120 windows.gui_dpi144
    windows.gui_dpi168 windows.gui_dpi192 PROPERTIES
    FIXTURES_REQUIRED wine_prefix RESOURCE_LOCK wine_prefix LABELS windows TIMEOUT 300)
set_tests_properties(windows.prefix windows.executable windows.same_link PROPERTIES LABELS windows)
