# The same commit builds to the same bytes wherever it is checked out and whenever it is built:
# source and build folders leave no trace in the objects (file names in messages and debug
# information read relative to them), and a Windows program carries no link time.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=
    -ffile-prefix-map=${PROJECT_BINARY_DIR}/=build/)
if(WIN32)
    add_link_options(LINKER:--no-insert-timestamp)
endif()
