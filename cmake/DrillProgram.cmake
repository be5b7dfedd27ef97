# drill_add_program(NAME
#   SOURCES ...        the program's tables and code (library NAME_program)
#   ASSETS ...         pictures and icons under assets/, compiled in as resources ":/NAME/..."
#   TESTS ...          tests on the recording platform
#   WINDOW_TESTS ...)  tests of the real windows on the offscreen platform
# Builds the library, the program NAME (a thin main.cpp) and its tests.
function(drill_add_program name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;ASSETS;TESTS;WINDOW_TESTS")

  add_library(${name}_program STATIC ${ARG_SOURCES})
  target_include_directories(${name}_program PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
  target_link_libraries(${name}_program PUBLIC drill_windows)
  qt_add_resources(${name}_program "${name}_assets" PREFIX "/${name}" BASE assets FILES ${ARG_ASSETS})

  qt_add_executable(${name} WIN32 MACOSX_BUNDLE main.cpp)
  target_link_libraries(${name} PRIVATE ${name}_program)

  if(DRILL_BUILD_TESTS)
    if(ARG_TESTS)
      add_executable(${name}_tests ${ARG_TESTS})
      target_link_libraries(${name}_tests PRIVATE ${name}_program drill_test_support GTest::gtest_main)
      gtest_discover_tests(${name}_tests DISCOVERY_TIMEOUT 60)
    endif()
    if(ARG_WINDOW_TESTS)
      add_executable(${name}_window_tests ${ARG_WINDOW_TESTS})
      target_link_libraries(${name}_window_tests PRIVATE ${name}_program drill_gui_test_main)
      gtest_discover_tests(${name}_window_tests DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endif()
  endif()
endfunction()
