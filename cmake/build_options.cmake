# Compiler and linker settings shared by all targets of a preset.
#
# qvd_warnings: every target of ours.
# qvd_lean:     everything that goes into a shipped Windows program (the setup and the
#               programs it installs): small, no exceptions, no RTTI, sections collected.

add_library(qvd_warnings INTERFACE)
target_compile_options(qvd_warnings INTERFACE -Wall -Wextra -Werror)

# No build paths inside the binaries.
add_compile_options("-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=" "-ffile-prefix-map=${CMAKE_BINARY_DIR}/=")

add_library(qvd_lean INTERFACE)
if(WIN32)
  set(CMAKE_C_FLAGS_RELEASE "-Os")
  set(CMAKE_CXX_FLAGS_RELEASE "-Os")
  # Link-time optimisation lets the many small files of the logic shrink as one.
  target_compile_options(qvd_lean INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions -fno-rtti -fno-threadsafe-statics>
    -ffunction-sections -fdata-sections -fno-asynchronous-unwind-tables -flto)
  target_link_options(qvd_lean INTERFACE
    -flto -static -s -Wl,--gc-sections -Wl,--no-insert-timestamp -mwindows)
else()
  set(CMAKE_CXX_FLAGS_RELEASE "-O2")
endif()

# Windows programs of the test tiers (contract suite, end-to-end driver): linked statically so
# that no compiler DLL has to be found inside the Wine prefix.
add_library(qvd_windows_test_program INTERFACE)
if(WIN32)
  target_link_options(qvd_windows_test_program INTERFACE -static -Wl,--no-insert-timestamp)
endif()

# Sources are UTF-8; the program's texts are 8-bit ANSI in code page 1252, as Windows shows them.
add_compile_options($<$<COMPILE_LANG_AND_ID:CXX,GNU>:-fexec-charset=CP1252>)
