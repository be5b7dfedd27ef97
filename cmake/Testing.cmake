# GoogleTest: the system's, or when cross-compiling, built here from Debian's googletest source
# (package googletest), which the building machine has for no other system.
if(CMAKE_CROSSCOMPILING)
  set(DRILL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's source, for a cross build")
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${DRILL_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# drill_add_gtests(TARGET [OFFSCREEN] [SUFFIX "@x2"] [ENVIRONMENT VAR=VALUE...])
# Each test of the executable as a test of its own; OFFSCREEN runs it on Qt's offscreen platform.
# A cross build runs the executable as one test (through CMAKE_CROSSCOMPILING_EMULATOR): a process
# per test would start the emulator hundreds of times.
function(drill_add_gtests target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "OFFSCREEN" "SUFFIX" "ENVIRONMENT")
  set(environment ${ARG_ENVIRONMENT})
  if(ARG_OFFSCREEN)
    list(APPEND environment QT_QPA_PLATFORM=offscreen)
  endif()
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${target}${ARG_SUFFIX} COMMAND ${target})
    if(environment)
      set_tests_properties(${target}${ARG_SUFFIX} PROPERTIES ENVIRONMENT "${environment}")
    endif()
  elseif(environment)
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 TEST_SUFFIX "${ARG_SUFFIX}"
      PROPERTIES ENVIRONMENT "${environment}")
  else()
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 TEST_SUFFIX "${ARG_SUFFIX}")
  endif()
endfunction()
