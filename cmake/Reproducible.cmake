# The same commit builds to the same bytes wherever it is checked out and whenever it is built:
# source and build folders leave no trace in the objects (file names in messages and debug
# information read relative to them), no object carries the time it was compiled (__DATE__ and
# __TIME__ warn), and a Windows program carries no link time.
add_compile_options(-Wdate-time
    -ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
    -ffile-prefix-map=${PROJECT_BINARY_DIR}/=build/)
if(WIN32)
    add_link_options(LINKER:--no-insert-timestamp)
endif()
