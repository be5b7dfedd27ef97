# Packs the build into the Debian package as scripts/package.sh does, and checks what the package
# holds and what it asks apt to bring:
#   cmake -DCPACK=... -DBUILD_DIR=... -DOUT=... -DREGISTRY=BUILD_DIR/registry.cmake -P CheckPackage.cmake
# The generator needs file and dpkg-shlibdeps on the machine; a machine without them fails here
# rather than at a teacher's first package.

cmake_minimum_required(VERSION 3.25)
include("${REGISTRY}")

file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${CPACK}" -G DEB --config "${BUILD_DIR}/CPackConfig.cmake" -B "${OUT}"
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed:\n${output}${errors}")
endif()
file(GLOB packages "${OUT}/*.deb")
list(LENGTH packages count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one package in ${OUT}, found ${count}: ${packages}")
endif()

set(failures "")
execute_process(COMMAND dpkg-deb --field "${packages}" Depends OUTPUT_VARIABLE depends)
# The Qt libraries come from the binaries' own needs, the fonts from the package's settings.
foreach(needed libqt6widgets6 libqt6svg6 fonts-liberation)
  if(NOT depends MATCHES "(^|[ ,])${needed}[ ,(]|${needed}$")
    string(APPEND failures "  Depends lacks ${needed}: ${depends}\n")
  endif()
endforeach()

execute_process(COMMAND dpkg-deb --contents "${packages}" OUTPUT_VARIABLE contents)
foreach(name IN LISTS DRILL_PROGRAMS)
  set(id "${DRILL_${name}_DESKTOP_ID}")
  foreach(path "usr/bin/${name}" "usr/share/applications/${id}.desktop"
               "usr/share/icons/hicolor/scalable/apps/${id}.svg" "usr/share/metainfo/${id}.metainfo.xml")
    string(FIND "${contents}" " ./${path}\n" found)
    if(found EQUAL -1)
      string(APPEND failures "  no ${path} in the package\n")
    endif()
  endforeach()
endforeach()

if(failures)
  message(FATAL_ERROR "The package is not as it should be:\n${failures}")
endif()
message(STATUS "package ${packages}: every program, desktop entry, icon and metainfo; Depends ${depends}")
