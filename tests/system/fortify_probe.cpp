// Built with the flags every program of this tree gets: a write into a buffer of known size,
// bounded only at run time, which the C library checks (__snprintf_chk) only when the build
// fortifies its calls. The package test looks for that check.
#include <cstddef>
#include <cstdio>

int main(int argc, char **argv)
{
    char text[8];
    std::snprintf(text, static_cast<std::size_t>(argc) + sizeof text - 1, "%s", argv[0]);
    return text[0] == '\0';
}
