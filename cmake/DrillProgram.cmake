include(GNUInstallDirs)

# The reverse-DNS prefix of the programs' desktop and AppStream ids: PREFIX.Tavrel and so on.
set(DRILL_APP_ID_PREFIX "org.drillprograms" CACHE STRING "Reverse-DNS prefix of the desktop ids")

set(DRILL_TEMPLATES ${CMAKE_CURRENT_LIST_DIR}/templates)

# What the build draws of the SVG files (windows/picture_store.h). With Qt's SVG module at run
# time: the pictures at the pixel ratios of the common screens, 1 and 2; a program's icon
# (assets/icon.svg) at the sizes an X11 window frame asks for at either ratio; the message box icons
# at the box's icon size (48) at either ratio; other ratios and sizes are drawn from the SVG when
# asked for. Without it (a Windows build), every scale Windows offers up to 300 %, the icons at the
# sizes its frames ask for (16 and 32 times the scale) and the box icons at 48 times it; a screen
# beyond those gets the nearest drawing scaled.
if(TARGET Qt6::Svg)
  set(DRILL_STORED_RATIOS 1 2)
  set(DRILL_STORED_WINDOW_ICON_SIZES 16 32 64 128 256)
  set(DRILL_STORED_BOX_ICON_SIZES 48 96)
else()
  set(DRILL_STORED_RATIOS 1 1.25 1.5 1.75 2 2.25 2.5 3)
  set(DRILL_STORED_WINDOW_ICON_SIZES 16 20 24 28 32 36 40 48 56 64 72 80 96 256)
  set(DRILL_STORED_BOX_ICON_SIZES 48 60 72 84 96 108 120 144)
endif()
# The sizes of a program's Windows icon file (its file, shortcuts and the list of installed programs).
set(DRILL_ICO_SIZES 16 20 24 32 40 48 64 256)

# drill_add_program(NAME
#   MENU_NAME "..."    the Russian name under which the program shows in the desktop menu
#   SUMMARY "..."      one Russian line on what the program drills (menu comment, AppStream summary)
#   SOURCES ...        the program's tables and code (library NAME_program, no window toolkit's)
#   ASSETS ...         SVG pictures and the icon under assets/, compiled into the desktop program
#                      (library NAME_desktop) as resources ":/NAME/...",
#                      each with its drawings (DRILL_STORED_RATIOS, DRILL_STORED_WINDOW_ICON_SIZES)
#   TESTS ...          tests on the recording platform
#   WINDOW_TESTS ...   tests of the real windows on the offscreen platform
#   RESULT_WINDOW)     the drill tallies its results: both test executables also take the checks shared
#                      by the drills with a result window, which the program's tests instantiate
# Builds the library, the program NAME (a thin main.cpp) and its tests, and installs the program
# with its desktop entry, icon (assets/icon.svg) and AppStream metainfo.
function(drill_add_program name)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "RESULT_WINDOW" "MENU_NAME;SUMMARY" "SOURCES;ASSETS;TESTS;WINDOW_TESTS")

  # The program itself, no window toolkit's: what every front end runs.
  add_library(${name}_program STATIC ${ARG_SOURCES})
  target_link_libraries(${name}_program PUBLIC drill_ui)

  # The program on the desktop: with the Qt windows and its pictures as resources.
  add_library(${name}_desktop STATIC)
  target_link_libraries(${name}_desktop PUBLIC ${name}_program drill_windows)
  # The SVG files themselves only where they can be drawn at run time.
  if(TARGET Qt6::Svg)
    qt_add_resources(${name}_desktop "${name}_assets" PREFIX "/${name}" BASE assets FILES ${ARG_ASSETS})
  endif()
  set(pictures ${ARG_ASSETS})
  list(FILTER pictures EXCLUDE REGEX "(^|/)icon\\.svg$")
  drill_store_drawings(${name}_desktop "/${name}" picture ${pictures} AT ${DRILL_STORED_RATIOS})
  drill_store_drawings(${name}_desktop "/${name}" icon assets/icon.svg AT ${DRILL_STORED_WINDOW_ICON_SIZES})

  qt_add_executable(${name} WIN32 MACOSX_BUNDLE main.cpp)
  target_link_libraries(${name} PRIVATE ${name}_desktop)
  if(WIN32)
    drill_add_windows_resources(${name} "${ARG_MENU_NAME}")
  endif()
  drill_install_program(${name} "${ARG_MENU_NAME}" "${ARG_SUMMARY}")

  if(DRILL_BUILD_TESTS)
    if(ARG_TESTS)
      add_executable(${name}_tests ${ARG_TESTS})
      target_link_libraries(${name}_tests PRIVATE ${name}_program drill_test_support GTest::gtest_main)
      drill_add_gtests(${name}_tests)
      if(ARG_RESULT_WINDOW)
        target_link_libraries(${name}_tests PRIVATE drill_tallied_program_suite)
      endif()
    endif()
    if(ARG_WINDOW_TESTS)
      add_executable(${name}_window_tests ${ARG_WINDOW_TESTS})
      target_link_libraries(${name}_window_tests PRIVATE ${name}_desktop drill_gui_test_main)
      drill_add_gtests(${name}_window_tests OFFSCREEN)
      if(ARG_RESULT_WINDOW)
        target_link_libraries(${name}_window_tests PRIVATE drill_tallied_windows_suite)
      endif()
    endif()
    drill_add_desktop_checks(${name})
  endif()
endfunction()

# drill_store_drawings(TARGET PREFIX picture|icon SVG... AT RATIO_OR_SIZE...)
# Draws the SVG files with store_pictures at the pixel ratios (pictures) or sizes (icons) and
# compiles the drawings into TARGET's resources beside the SVG files: PREFIX/background.svg@2x,
# PREFIX/icon.svg@32px.
function(drill_store_drawings target prefix kind)
  cmake_parse_arguments(PARSE_ARGV 3 ARG "" "" "AT")
  set(folder ${CMAKE_CURRENT_BINARY_DIR}/stored)
  set(values ${ARG_AT})
  set(unit x)
  if(kind STREQUAL "icon")
    set(unit px)
  endif()
  set(stored "")
  foreach(svg ${ARG_UNPARSED_ARGUMENTS})
    get_filename_component(file ${svg} NAME)
    set(drawings "")
    foreach(value ${values})
      list(APPEND drawings ${folder}/${file}@${value}${unit})
    endforeach()
    add_custom_command(OUTPUT ${drawings}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
      COMMAND store_pictures ${kind} ${CMAKE_CURRENT_SOURCE_DIR}/${svg} ${folder} ${values}
      DEPENDS store_pictures ${svg}
      COMMENT "Drawing ${prefix}/${file}"
      VERBATIM)
    list(APPEND stored ${drawings})
  endforeach()
  # Uncompressed: the runs are compact already, and decompressing them would cost more than they save.
  qt_add_resources(${target} "${target}_stored_${kind}s" PREFIX ${prefix} BASE ${folder} OPTIONS --no-compress
    FILES ${stored})
endfunction()

# drill_program_title(OUT NAME): the program's name as it is written, "Tavrel" for tavrel.
function(drill_program_title out name)
  string(SUBSTRING ${name} 0 1 first)
  string(SUBSTRING ${name} 1 -1 rest)
  string(TOUPPER ${first} first)
  set(${out} "${first}${rest}" PARENT_SCOPE)
endfunction()

# drill_add_windows_resources(NAME MENU_NAME)
# The program's Windows resources: its icon (drawn from assets/icon.svg), its version information and
# its manifest.
function(drill_add_windows_resources name menuName)
  set(DRILL_ICO ${CMAKE_CURRENT_BINARY_DIR}/${name}.ico)
  add_custom_command(OUTPUT ${DRILL_ICO}
    COMMAND store_pictures ico ${CMAKE_CURRENT_SOURCE_DIR}/assets/icon.svg ${DRILL_ICO} ${DRILL_ICO_SIZES}
    DEPENDS store_pictures assets/icon.svg
    COMMENT "Drawing ${name}.ico"
    VERBATIM)
  drill_program_title(DRILL_PRODUCT ${name})
  set(DRILL_EXE ${name})
  set(DRILL_DESCRIPTION "${menuName}")
  string(REPLACE "." "," DRILL_VERSION_COMMAS "${PROJECT_VERSION}.0.0")
  set(DRILL_MANIFEST ${DRILL_TEMPLATES}/program.manifest)
  configure_file(${DRILL_TEMPLATES}/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc @ONLY)
  target_sources(${name} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${name}.rc PROPERTIES
    OBJECT_DEPENDS "${DRILL_ICO};${DRILL_MANIFEST}")
endfunction()

# The window layer's own checks (keyboard, screen reader, dark desktop, pixel density) on the
# program's windows, at scale factors 1, 1.5 and 2. The program is reached through NAME::Program()
# declared in NAME.h.
function(drill_add_desktop_checks name)
  set(accessor ${CMAKE_CURRENT_BINARY_DIR}/${name}_tested_program.cpp)
  file(CONFIGURE OUTPUT ${accessor} CONTENT [[
#include "programs/@name@/@name@.h"

namespace drillwin::testing {
const drillui::ProgramDescription& TestedProgram() { return @name@::Program(); }
}  // namespace drillwin::testing
]] @ONLY)
  add_executable(${name}_desktop_checks ${PROJECT_SOURCE_DIR}/tests/support/desktop_checks.cpp ${accessor})
  target_link_libraries(${name}_desktop_checks PRIVATE ${name}_desktop drill_gui_test_main)
  foreach(scale 1 1.5 2)
    drill_add_gtests(${name}_desktop_checks OFFSCREEN SUFFIX "@x${scale}" ENVIRONMENT QT_SCALE_FACTOR=${scale})
  endforeach()
endfunction()

# The registry: what the packages and their checks need to know of each program, as variables
# DRILL_<NAME>_<KEY> beside the list DRILL_PROGRAMS. The configure step writes it into DRILL_REGISTRY,
# which Packaging.cmake and the check scripts include().
set(DRILL_REGISTRY ${PROJECT_BINARY_DIR}/registry.cmake)

# drill_register(NAME KEY VALUE): DRILL_<NAME>_<KEY> is VALUE in the registry.
function(drill_register name key value)
  set_property(GLOBAL APPEND_STRING PROPERTY DRILL_REGISTRY_ENTRIES "set(DRILL_${name}_${key} [==[${value}]==])\n")
endfunction()

# drill_write_registry(): writes the registry, once every program is added.
function(drill_write_registry)
  get_property(entries GLOBAL PROPERTY DRILL_REGISTRY_ENTRIES)
  list(JOIN DRILL_PROGRAMS " " programs)
  set(text "# The programs of this build and what is known of each (cmake/DrillProgram.cmake).\n")
  string(APPEND text "set(DRILL_PROGRAMS ${programs})\n${entries}")
  # Written only when it changes, so that nothing that reads it is redone for nothing.
  file(CONFIGURE OUTPUT ${DRILL_REGISTRY} CONTENT "@text@" @ONLY)
endfunction()

# Installs the program; on freedesktop systems also its menu entry, icon and AppStream metainfo,
# generated from the templates. Registers MENU_NAME and SUMMARY, and DESKTOP_ID where the desktop
# entry is installed.
function(drill_install_program name menuName summary)
  drill_register(${name} MENU_NAME "${menuName}")
  drill_register(${name} SUMMARY "${summary}")
  if(WIN32)
    # One folder with the programs beside the libraries they share (scripts/windows-package.sh).
    install(TARGETS ${name} RUNTIME DESTINATION .)
    return()
  endif()
  install(TARGETS ${name} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} BUNDLE DESTINATION .)
  if(NOT UNIX OR APPLE)
    return()
  endif()
  if(menuName STREQUAL "" OR summary STREQUAL "")
    message(AUTHOR_WARNING "${name}: no MENU_NAME or SUMMARY given, so no desktop entry is installed")
    return()
  endif()

  drill_program_title(title ${name})
  set(DRILL_DESKTOP_ID "${DRILL_APP_ID_PREFIX}.${title}")
  set(DRILL_DESKTOP_EXEC ${name})
  set(DRILL_DESKTOP_NAME "${menuName}")
  set(DRILL_DESKTOP_SUMMARY "${summary}")
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/desktop)
  configure_file(${DRILL_TEMPLATES}/program.desktop.in ${generated}/${DRILL_DESKTOP_ID}.desktop @ONLY)
  configure_file(${DRILL_TEMPLATES}/program.metainfo.xml.in ${generated}/${DRILL_DESKTOP_ID}.metainfo.xml @ONLY)

  install(FILES ${generated}/${DRILL_DESKTOP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${generated}/${DRILL_DESKTOP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES assets/icon.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${DRILL_DESKTOP_ID}.svg)
  drill_register(${name} DESKTOP_ID "${DRILL_DESKTOP_ID}")
endfunction()
