# One Debian package with all five programs: cpack --config build/CPackConfig.cmake (scripts/package.sh).
set(CPACK_PACKAGE_NAME "drill-programs")
set(CPACK_PACKAGE_VENDOR "Drill programs team")
set(CPACK_PACKAGE_CONTACT "Drill programs team <drill-programs@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Russian spelling and punctuation drills for pupils")
set(CPACK_PACKAGE_DESCRIPTION
  "Five small drill programs with which pupils practise Russian spelling and punctuation:
Tavrel (пре- / при-), Gondila (о / ё after hushing consonants and ц), Mirskav (-н- / -нн-),
Luzema (commas around a participial phrase) and Fendrok (-н- / -нн- in adverbs).")
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
