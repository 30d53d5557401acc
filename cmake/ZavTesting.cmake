# zav_add_gtest(<name> SOURCES <files...> LIBS <targets...> [ENV <VAR=value...>]
#               [TIMEOUT <seconds>])
# Builds one GoogleTest program and registers each of its tests with CTest.
# Every test ends on its own: one that runs past its TIMEOUT (by default
# ZAV_TEST_TIMEOUT, several times the slowest test of the sanitizer build on a
# loaded machine) is stopped and fails, so that a test waiting for ever cannot
# hold up the whole run.
set(ZAV_TEST_TIMEOUT 180 CACHE STRING "Seconds after which CTest stops a test and fails it")
function(zav_add_gtest name)
  cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT ${ZAV_TEST_TIMEOUT})
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main GTest::gmock)
  # GCC 12 warns of overlapping copies in "text" + std::string temporaries when
  # it inlines them (optimised builds); the copies do not overlap.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${name} PRIVATE -Wno-restrict)
  endif()
  # An empty ENVIRONMENT would take the next property's name as its value.
  set(properties TIMEOUT ${ARG_TIMEOUT})
  if(ARG_ENV)
    list(APPEND properties ENVIRONMENT "${ARG_ENV}")
  endif()
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES ${properties}
    DISCOVERY_TIMEOUT 60)
endfunction()

# zav_add_display_test(<target>)
# Registers a test program that needs a display (OpenGL on Mesa) as one CTest
# entry run under Xvfb on a virtual screen of its own. The X and GL libraries
# keep allocations for the process's life, which are not the program's leaks.
function(zav_add_display_test target)
  find_program(XVFB_RUN xvfb-run)
  if(NOT XVFB_RUN)
    message(STATUS "xvfb-run not found: ${target} is built but not run")
    return()
  endif()
  add_test(NAME ${target}
           COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24" $<TARGET_FILE:${target}>)
  set_tests_properties(${target} PROPERTIES
    ENVIRONMENT "ASAN_OPTIONS=detect_leaks=0;QT_QPA_PLATFORM=xcb"
    TIMEOUT 300)
endfunction()
