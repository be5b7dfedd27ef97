# One Debian package with all five programs: cpack --config build/CPackConfig.cmake (scripts/package.sh).
set(CPACK_PACKAGE_NAME "drill-programs")
set(CPACK_PACKAGE_VENDOR "${DRILL_VENDOR}")
set(CPACK_PACKAGE_CONTACT "Drill programs team <drill-programs@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Russian spelling and punctuation drills for pupils")
get_property(DRILL_PACKAGED GLOBAL PROPERTY DRILL_PACKAGED_PROGRAMS)
set(CPACK_PACKAGE_DESCRIPTION "Small drill programs with which pupils practise Russian spelling and punctuation:")
foreach(entry ${DRILL_PACKAGED})
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 1 menuName)
  string(APPEND CPACK_PACKAGE_DESCRIPTION "\n${menuName}")
endforeach()
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION education)
  # The Qt, C++ runtime and C library packages come from the binaries themselves; the fonts the
  # windows fall back on when Windows' own are absent are named here.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
  # Native windows on a Wayland desktop; without it the programs run through XWayland.
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
endif()

include(CPack)

# Windows: the installers' settings and the programs as they name them. The programs' registry is
# read here alone; scripts/windows-package.sh and the Windows check take it from the file written
# here (cmake/windows/InstallerSources.cmake reads it; `cmake -P` on it prints it).
if(WIN32)
  set(DRILL_WINDOWS_PRODUCT "Упражнения по русскому языку")
  set(DRILL_WINDOWS_ID "DrillPrograms")
  set(DRILL_WINDOWS_FOLDER "Drill programs")
  # The MSI's UpgradeCode, the same for every version for ever: a newer package finds and replaces
  # an older one by it, and the setup finds the MSI by it.
  set(DRILL_WINDOWS_UPGRADE_CODE "FCEC1810-108B-4DA8-AC3B-3C514DDD0224")
  list(GET DRILL_PACKAGED 0 first)
  string(REGEX REPLACE "\\|.*" "" first "${first}")
  set(DRILL_INSTALLER_ICON ${PROJECT_BINARY_DIR}/programs/${first}/${first}.ico)

  # Each program's Start-menu shortcut under its Russian name (a colon cannot stand in a file name:
  # "Tavrel — пре- или при-").
  set(programs "")
  set(program_settings "")
  set(DRILL_NSIS_SHORTCUTS "")
  set(DRILL_NSIS_SHORTCUT_DELETES "")
  foreach(entry ${DRILL_PACKAGED})
    string(REPLACE "|" ";" fields "${entry}")
    list(GET fields 0 name)
    list(GET fields 1 menuName)
    list(GET fields 2 summary)
    string(REPLACE ": " " — " shortcut "${menuName}")
    list(APPEND programs ${name})
    string(APPEND program_settings
      "set(DRILL_SHORTCUT_${name} [==[${shortcut}]==])\nset(DRILL_SUMMARY_${name} [==[${summary}]==])\n")
    set(link "\${MENU_FOLDER}\\${shortcut}.lnk")
    string(APPEND DRILL_NSIS_SHORTCUTS
      "  CreateShortcut \"${link}\" \"$INSTDIR\\${name}.exe\" \"\" \"$INSTDIR\\${name}.exe\" 0 SW_SHOWNORMAL \"\" \"${summary}\"\n")
    string(APPEND DRILL_NSIS_SHORTCUT_DELETES "  Delete \"${link}\"\n")
  endforeach()
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/windows-installer.cmake CONTENT [[
# What the Windows installers install, written when the build was configured (cmake/Packaging.cmake).
set(DRILL_WINDOWS_PRODUCT [==[@DRILL_WINDOWS_PRODUCT@]==])
set(DRILL_WINDOWS_ID [==[@DRILL_WINDOWS_ID@]==])
set(DRILL_WINDOWS_FOLDER [==[@DRILL_WINDOWS_FOLDER@]==])
set(DRILL_WINDOWS_UPGRADE_CODE [==[@DRILL_WINDOWS_UPGRADE_CODE@]==])
set(DRILL_VENDOR [==[@DRILL_VENDOR@]==])
set(DRILL_VERSION [==[@PROJECT_VERSION@]==])
set(DRILL_INSTALLER_ICON [==[@DRILL_INSTALLER_ICON@]==])
set(DRILL_WINDOWS_PROGRAMS @programs@)
@program_settings@
# Run as a script, it prints the settings and a line per program, fields separated by tabs.
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  set(lines "")
  foreach(setting PRODUCT ID FOLDER UPGRADE_CODE)
    string(APPEND lines "${setting}\t${DRILL_WINDOWS_${setting}}\n")
  endforeach()
  string(APPEND lines "VENDOR\t${DRILL_VENDOR}\nVERSION\t${DRILL_VERSION}\n")
  foreach(name IN LISTS DRILL_WINDOWS_PROGRAMS)
    string(APPEND lines "PROGRAM\t${name}\t${DRILL_SHORTCUT_${name}}\n")
  endforeach()
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo_append "${lines}")
endif()
]] @ONLY)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/installer.nsi.in ${PROJECT_BINARY_DIR}/installer.nsi @ONLY)
endif()
