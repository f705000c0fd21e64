# What Debian 12 builds its own packages with (dpkg-buildflags with hardening=+all), for every
# build type: a stack protector, format strings that cannot be injected, fortified C library
# calls, a position-independent executable, and relocations made read-only before main runs;
# and control-flow protection, which Debian's flags gain after Debian 12.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# Control-flow protection exists on x86 only.
check_cxx_compiler_flag(-fcf-protection TARVOLA_HAS_CF_PROTECTION)
if(TARVOLA_HAS_CF_PROTECTION)
    add_compile_options(-fcf-protection)
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)

# The C library fortifies only optimised code and warns under -O0, so a Debug build is
# optimised for debugging (-Og) rather than not at all. The sanitizer builds leave fortify out:
# AddressSanitizer checks the same calls more closely, and the checked variants would hide them
# from it.
if(TARVOLA_SANITIZE OR TARVOLA_FUZZ)
    add_compile_options(-U_FORTIFY_SOURCE)
else()
    add_compile_options($<$<CONFIG:Debug>:-Og>)
    add_compile_definitions(_FORTIFY_SOURCE=2)
endif()
