# Tests that run Windows programs under Wine. One pristine prefix per test run (the fixture
# wine.prefix), a fresh copy of it and a private Xvfb for every test.
set(QVD_WINE_ROOT "${CMAKE_BINARY_DIR}/wine")
set(QVD_WINE_SCRIPTS "${CMAKE_SOURCE_DIR}/scripts/wine")

add_test(NAME wine.prefix
  COMMAND "${QVD_WINE_SCRIPTS}/make_pristine_prefix.sh" "${QVD_WINE_ROOT}/pristine")
set_tests_properties(wine.prefix PROPERTIES FIXTURES_SETUP wine_prefix TIMEOUT 180)

# qvd_wine_test(<name> LABEL <label> COMMAND <program> [args...])
function(qvd_wine_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "LABEL;TIMEOUT" "COMMAND")
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 300)
  endif()
  add_test(NAME ${name}
    COMMAND "${QVD_WINE_SCRIPTS}/run_in_prefix.sh" "${QVD_WINE_ROOT}" ${name} ${arg_COMMAND})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine_prefix LABELS ${arg_LABEL} TIMEOUT ${arg_TIMEOUT})
endfunction()
