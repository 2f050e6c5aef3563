# Makes the pictures, icons and help anew in a folder of its own and compares them byte for byte
# with the built ones: the same sources must give the same bytes, whenever they are built.
#
#   cmake -DARTWORK_TOOL=... -DSETTLE_TOOL=... -DCHMCMD=... -DHELP_SOURCES=<folder>
#         -DBUILT_ARTWORK=<folder> -DBUILT_HELP=<file> -DWORK=<folder> -P reproduce_product_items.cmake
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/artwork")
file(COPY "${HELP_SOURCES}/" DESTINATION "${WORK}/help")

set(differing "")
execute_process(COMMAND "${ARTWORK_TOOL}" "${WORK}/artwork" RESULT_VARIABLE painted)
if(NOT painted EQUAL 0)
  message(FATAL_ERROR "the artwork tool failed: ${painted}")
endif()
foreach(name intro_picture_1.bmp intro_picture_2.bmp intro_picture_3.bmp qvdlumorak.ico
             lumouninst.ico)
  execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                          "${WORK}/artwork/${name}" "${BUILT_ARTWORK}/${name}"
                  RESULT_VARIABLE different)
  if(NOT different EQUAL 0)
    list(APPEND differing "${name}")
  endif()
endforeach()

execute_process(COMMAND "${CHMCMD}" qvdlumorak.hhp WORKING_DIRECTORY "${WORK}/help"
                RESULT_VARIABLE compiled OUTPUT_QUIET)
execute_process(COMMAND "${SETTLE_TOOL}" "${WORK}/help/QVDLumorak.chm" RESULT_VARIABLE settled)
if(NOT compiled EQUAL 0 OR NOT settled EQUAL 0)
  message(FATAL_ERROR "the help could not be made again: ${compiled}, ${settled}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files
                        "${WORK}/help/QVDLumorak.chm" "${BUILT_HELP}"
                RESULT_VARIABLE different)
if(NOT different EQUAL 0)
  list(APPEND differing QVDLumorak.chm)
endif()

if(differing)
  message(FATAL_ERROR "made anew, these differ from the built ones: ${differing}")
endif()
file(REMOVE_RECURSE "${WORK}")
