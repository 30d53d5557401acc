# Installs the build into a scratch prefix and runs the installed runner on an
# example deck: the engine library must lie beside the programs, the front
# end among them, and so must the pictures of the foundation systems.
#   cmake -DBUILD=<build tree> -DPREFIX=<scratch prefix> -DEXAMPLE=<deck without .kqd> -P install_check.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
  RESULT_VARIABLE installed OUTPUT_QUIET)
if(NOT installed EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${installed}")
endif()
foreach(file bin/Zav3-comp.so bin/zav3-run bin/Zavik3 bin/halfspace.bmp bin/pile.bmp bin/stratum.bmp
             bin/multilayer.bmp)
  if(NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()

set(work "${PREFIX}/work")
file(MAKE_DIRECTORY "${work}")
get_filename_component(stem "${EXAMPLE}" NAME)
file(COPY "${EXAMPLE}.kqd" "${EXAMPLE}.kqm" DESTINATION "${work}")
execute_process(COMMAND "${PREFIX}/bin/zav3-run" "${stem}.kqd" WORKING_DIRECTORY "${work}"
  RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT EXISTS "${work}/${stem}.kqp")
  message(FATAL_ERROR "the installed runner gave status ${status}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
