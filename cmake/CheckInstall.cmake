# Installs the build into a fresh temporary root and checks what lands there:
#   cmake -DBUILD_DIR=... -DROOT=... -DPROGRAMS="tavrel=ID;..." [-DDESKTOP_FILE_VALIDATE=...]
#         [-DAPPSTREAMCLI=...] -P CheckInstall.cmake
# Every program brings exactly its binary, desktop entry, scalable icon and metainfo; the desktop
# entries and metainfo pass their validators where those are installed.

cmake_minimum_required(VERSION 3.25)

set(failures "")
macro(fail text)
  string(APPEND failures "  ${text}\n")
endmacro()

file(REMOVE_RECURSE "${ROOT}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${ROOT}"
  RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed:\n${errors}")
endif()

set(expected "")
foreach(entry IN LISTS PROGRAMS)
  string(REPLACE "=" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 id)
  set(desktop "share/applications/${id}.desktop")
  set(icon "share/icons/hicolor/scalable/apps/${id}.svg")
  set(metainfo "share/metainfo/${id}.metainfo.xml")
  list(APPEND expected "bin/${name}" "${desktop}" "${icon}" "${metainfo}")

  if(NOT EXISTS "${ROOT}/bin/${name}" OR IS_DIRECTORY "${ROOT}/bin/${name}")
    fail("${name}: no program bin/${name}")
  endif()

  if(EXISTS "${ROOT}/${desktop}")
    file(STRINGS "${ROOT}/${desktop}" lines ENCODING UTF-8)
    foreach(key "Type=Application" "Exec=${name}" "Icon=${id}" "Categories=Education;")
      if(NOT key IN_LIST lines)
        fail("${desktop}: no line ${key}")
      endif()
    endforeach()
    foreach(key Name Comment)
      # The menu shows Russian texts: each has at least one Cyrillic letter.
      set(found "")
      foreach(line IN LISTS lines)
        if(line MATCHES "^${key}=(.*)$")
          set(found "${CMAKE_MATCH_1}")
        endif()
      endforeach()
      if(NOT found MATCHES "[а-яА-ЯёЁ]")
        fail("${desktop}: ${key} is not Russian: '${found}'")
      endif()
    endforeach()
    if(DESKTOP_FILE_VALIDATE)
      execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${ROOT}/${desktop}"
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
      if(NOT result EQUAL 0 OR NOT output STREQUAL "")
        fail("${desktop}: desktop-file-validate: ${output}")
      endif()
    endif()
  else()
    fail("${name}: no desktop entry ${desktop}")
  endif()

  if(EXISTS "${ROOT}/${icon}")
    file(READ "${ROOT}/${icon}" svg)
    if(NOT svg MATCHES "<svg[ \n]")
      fail("${icon}: not an SVG picture")
    endif()
  else()
    fail("${name}: no icon ${icon}")
  endif()

  if(EXISTS "${ROOT}/${metainfo}")
    file(READ "${ROOT}/${metainfo}" xml)
    foreach(element "<id>${id}</id>" "<launchable type=\"desktop-id\">${id}.desktop</launchable>"
                    "<binary>${name}</binary>")
      string(FIND "${xml}" "${element}" at)
      if(at EQUAL -1)
        fail("${metainfo}: no ${element}")
      endif()
    endforeach()
    if(APPSTREAMCLI)
      execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${ROOT}/${metainfo}"
        RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
      if(NOT result EQUAL 0)
        fail("${metainfo}: appstreamcli validate: ${output}")
      endif()
    endif()
  else()
    fail("${name}: no metainfo ${metainfo}")
  endif()
endforeach()

# Nothing else: no tests, libraries or headers of the build find their way into the install.
file(GLOB_RECURSE installed RELATIVE "${ROOT}" "${ROOT}/*")
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
  fail("installed files differ from the expected ones:\n    installed: ${installed}\n    expected:  ${expected}")
endif()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "install check failed:\n${failures}")
endif()
list(LENGTH PROGRAMS count)
message(STATUS "${count} programs installed and checked in ${ROOT}")
file(REMOVE_RECURSE "${ROOT}")
