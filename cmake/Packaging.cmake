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

# Windows: the installer's script, with a Start-menu shortcut for each program under its Russian
# name (a colon cannot stand in a file name: "Tavrel — пре- или при-").
if(WIN32)
  set(DRILL_WINDOWS_PRODUCT "${DRILL_PRODUCT}")
  set(DRILL_WINDOWS_ID "DrillPrograms")
  set(DRILL_WINDOWS_FOLDER "Drill programs")
  set(DRILL_NSIS_SHORTCUTS "")
  set(DRILL_NSIS_SHORTCUT_DELETES "")
  foreach(name IN LISTS DRILL_PROGRAMS)
    string(REPLACE ": " " — " shortcut "${DRILL_${name}_MENU_NAME}")
    set(link "\${MENU_FOLDER}\\${shortcut}.lnk")
    string(APPEND DRILL_NSIS_SHORTCUTS
      "  CreateShortcut \"${link}\" \"$INSTDIR\\${name}.exe\" \"\" \"$INSTDIR\\${name}.exe\" 0 SW_SHOWNORMAL \"\" \"${DRILL_${name}_SUMMARY}\"\n")
    string(APPEND DRILL_NSIS_SHORTCUT_DELETES "  Delete \"${link}\"\n")
  endforeach()
  list(GET DRILL_PROGRAMS 0 first)
  set(DRILL_INSTALLER_ICON ${PROJECT_BINARY_DIR}/programs/${first}/${first}.ico)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/windows/installer.nsi.in ${PROJECT_BINARY_DIR}/installer.nsi @ONLY)
endif()
