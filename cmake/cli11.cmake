# CLI11, the header-only option parser of Debian's libcli11-dev: found among
# the host's headers and offered through a folder of its own, so that a cross
# build takes it without the host's other headers. Its headers are system
# headers to the compiler: their warnings are not the project's.
find_path(VELKAN_CLI11_DIR CLI/CLI.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH)
if(NOT VELKAN_CLI11_DIR)
  message(FATAL_ERROR "CLI11 is missing: apt-get install libcli11-dev")
endif()
set(velkan_cli11_root ${CMAKE_BINARY_DIR}/cli11)
file(MAKE_DIRECTORY ${velkan_cli11_root})
file(CREATE_LINK ${VELKAN_CLI11_DIR}/CLI ${velkan_cli11_root}/CLI SYMBOLIC)
add_library(velkan_cli11 INTERFACE)
target_include_directories(velkan_cli11 SYSTEM INTERFACE ${velkan_cli11_root})
