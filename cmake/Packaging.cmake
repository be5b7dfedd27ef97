# One Debian package with all five programs: cpack --config build/CPackConfig.cmake (scripts/package.sh).
set(CPACK_PACKAGE_NAME "drill-programs")
set(CPACK_PACKAGE_VENDOR "${DRILL_VENDOR}")
set(CPACK_PACKAGE_CONTACT "Drill programs team <drill-programs@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Russian spelling and punctuation drills for pupils")
include(${DRILL_REGISTRY})
set(CPACK_PACKAGE_DESCRIPTION "Small drill programs with which pupils practise Russian spelling and punctuation:")
foreach(name IN LISTS DRILL_PROGRAMS)
  string(APPEND CPACK_PACKAGE_DESCRIPTION "\n${DRILL_${name}_MENU_NAME}")
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

# Windows: the installers' settings, and the programs as they name them, from the registry. The
# settings are written beside the registry for scripts/windows-package.sh and the Windows check
# (cmake/windows/InstallerSources.cmake includes them; `cmake -P` on them prints them).
if(WIN32)
  set(DRILL_WINDOWS_PRODUCT "${DRILL_PRODUCT}")
  set(DRILL_WINDOWS_ID "DrillPrograms")
  set(DRILL_WINDOWS_FOLDER "Drill programs")
  # The MSI's UpgradeCode, the same for every version for ever: a newer package finds and replaces
  # an older one by it, and the setup finds the MSI by it.
  set(DRILL_WINDOWS_UPGRADE_CODE "FCEC1810-108B-4DA8-AC3B-3C514DDD0224")
  list(GET DRILL_PROGRAMS 0 first)
  set(DRILL_INSTALLER_ICON ${PROJECT_BINARY_DIR}/programs/${first}/${first}.ico)

  # Each program's Start-menu shortcut under its Russian name (a colon cannot stand in a file name:
  # "Tavrel — пре- или при-").
  set(shortcuts "")
  set(DRILL_NSIS_SHORTCUTS "")
  set(DRILL_NSIS_SHORTCUT_DELETES "")
  foreach(name IN LISTS DRILL_PROGRAMS)
    string(REPLACE ": " " — " shortcut "${DRILL_${name}_MENU_NAME}")
    string(APPEND shortcuts "set(DRILL_${name}_SHORTCUT [==[${shortcut}]==])\n")
    set(link "\${MENU_FOLDER}\\${shortcut}.lnk")
    string(APPEND DRILL_NSIS_SHORTCUTS
      "  CreateShortcut \"${link}\" \"$INSTDIR\\${name}.exe\" \"\" \"$INSTDIR\\${name}.exe\" 0 SW_SHOWNORMAL \"\" \"${DRILL_${name}_SUMMARY}\"\n")
    string(APPEND DRILL_NSIS_SHORTCUT_DELETES "  Delete \"${link}\"\n")
  endforeach()
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/windows-installer.cmake CONTENT [[
# What the Windows installers install: the registry of the programs, and what the installers add
# to it (cmake/Packaging.cmake).
include([==[@DRILL_REGISTRY@]==])
set(DRILL_WINDOWS_PRODUCT [==[@DRILL_WINDOWS_PRODUCT@]==])
set(DRILL_WINDOWS_ID [==[@DRILL_WINDOWS_ID@]==])
set(DRILL_WINDOWS_FOLDER [==[@DRILL_WINDOWS_FOLDER@]==])
set(DRILL_WINDOWS_UPGRADE_CODE [==[@DRILL_WINDOWS_UPGRADE_CODE@]==])
set(DRILL_VENDOR [==[@DRILL_VENDOR@]==])
set(DRILL_VERSION [==[@PROJECT_VERSION@]==])
set(DRILL_INSTALLER_ICON [==[@DRILL_INSTALLER_ICON@]==])
@shortcuts@
# Run as a script, it prints the settings and a line per program with its shortcut's name, the
# fields separated by tabs.
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  set(lines "")
  foreach(setting PRODUCT ID FOLDER UPGRADE_CODE)
    string(APPEND lines "${setting}\t${DRILL_WINDOWS_${setting}}\n")
  endforeach()
  string(APPEND lines "VENDOR\t${DRILL_VENDOR}\nVERSION\t${DRILL_VERSION}\n")
  foreach(name IN LISTS DRILL_PROGRAMS)
    string(APPEND lines "PROGRAM\t${name}\t${DRILL_${name}_SHORTCUT}\n")
  endforeach()
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo_append "${lines}")
endif()
]] @ONLY)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/installer.nsi.in ${PROJECT_BINARY_DIR}/installer.nsi @ONLY)
endif()
