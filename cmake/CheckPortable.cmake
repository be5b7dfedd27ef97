# Fails when the product code uses a header or call that only some systems have, or when a layer
# reaches above itself (the drill logic for the window toolkit or the windows, the windows for a
# program): the programs are built and tested on Debian and are meant to build wherever Qt and a
# C++20 compiler are.
#   cmake -DROOT=<top of the tree> -DFOLDERS="engine;windows;programs" -P CheckPortable.cmake
# A program's own tests/ folder is test code and is not looked at.

cmake_minimum_required(VERSION 3.25)

set(everywhere
  "#include <(unistd|fcntl|dlfcn|pthread|signal|malloc|windows|io|strings|termios)\\.h>"
  "#include <(sys|linux|asm|X11|xcb|mach|CoreFoundation)/"
  "(mallinfo|getrusage|wait4|fork|execv|execl|clock_gettime|getpid|usleep|sysconf)[ ]*\\("
  "\"/(proc|dev|sys|tmp)/"
  "QNativeInterface|QX11Info|nativeScanCode|nativeVirtualKey"
)
# The drill logic is standard C++ alone; the window layer knows no program.
set(engine_only "#include <Q" "#include <qt" "#include \"(windows|programs|tools)/")
set(windows_only "#include \"(programs|tools)/")

set(findings "")
foreach(folder IN LISTS FOLDERS)
  file(GLOB_RECURSE sources RELATIVE "${ROOT}" "${ROOT}/${folder}/*.cpp" "${ROOT}/${folder}/*.h")
  list(FILTER sources EXCLUDE REGEX "(^|/)tests/")
  set(patterns ${everywhere})
  if(folder STREQUAL "engine")
    list(APPEND patterns ${engine_only})
  elseif(folder STREQUAL "windows")
    list(APPEND patterns ${windows_only})
  endif()
  foreach(source IN LISTS sources)
    file(STRINGS "${ROOT}/${source}" lines ENCODING UTF-8)
    foreach(line IN LISTS lines)
      foreach(pattern IN LISTS patterns)
        if(line MATCHES "${pattern}")
          string(APPEND findings "  ${source}: ${line}\n")
          break()
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(findings)
  message(FATAL_ERROR "System-specific code, or a layer reaching above itself, in the product:\n${findings}")
endif()
message(STATUS "no system-specific header or call, no layer reaching above itself in ${FOLDERS}")
