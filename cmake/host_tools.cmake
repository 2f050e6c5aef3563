# Small build-time tools that run on the build machine. In the Windows presets the project's
# compiler makes Windows programs, so the tools are compiled with the machine's own compiler here.

find_program(QVD_HOST_CXX NAMES c++ g++ REQUIRED)
set(QVD_HOST_TOOL_DIR "${CMAKE_BINARY_DIR}/host-tools")

# qvd_host_tool(<name> <source>...): builds ${QVD_HOST_TOOL_DIR}/<name>; the variable
# QVD_HOST_TOOL_<name> names it for custom commands.
function(qvd_host_tool name)
  set(sources "")
  foreach(source IN LISTS ARGN)
    list(APPEND sources "${CMAKE_CURRENT_SOURCE_DIR}/${source}")
  endforeach()
  set(output "${QVD_HOST_TOOL_DIR}/${name}")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" -E make_directory "${QVD_HOST_TOOL_DIR}"
    COMMAND "${QVD_HOST_CXX}" -std=c++20 -O2 -Wall -Wextra -Werror -o "${output}" ${sources}
    DEPENDS ${sources}
    COMMENT "Building build-time tool ${name}"
    VERBATIM)
  add_custom_target(host_tool_${name} DEPENDS "${output}")
  set(QVD_HOST_TOOL_${name} "${output}" PARENT_SCOPE)
endfunction()
