# Fails when the product code uses a header or call that only some systems have, when a layer
# reaches above itself (the drill logic for the window toolkit or the windows, the windows for a
# program), or when it stores anything or reaches for the network: the programs are built and tested
# on Debian and are meant to build wherever Qt and a C++20 compiler are, and they keep nothing.
#   cmake -DROOT=<top of the tree> -DFOLDERS="engine;windows;programs" -P CheckPortable.cmake
# A program's own tests/ folder is test code and is not looked at.

cmake_minimum_required(VERSION 3.25)

set(everywhere
  "#include <(unistd|fcntl|dlfcn|pthread|signal|malloc|windows|io|strings|termios)\\.h>"
  "#include <(sys|linux|asm|X11|xcb|mach|CoreFoundation)/"
  "(mallinfo|getrusage|wait4|fork|execv|execl|clock_gettime|getpid|usleep|sysconf)[ ]*\\("
  "\"/(proc|dev|sys|tmp)/"
  "QNativeInterface|QX11Info|nativeScanCode|nativeVirtualKey"
  # No settings, no file written, no socket.
  "QSettings|QSaveFile|QTemporaryFile|QStandardPaths|QNetwork|QTcpSocket|QUdpSocket|QLocalSocket"
  "std::o?fstream|fopen[ ]*\\(|QIODevice::(WriteOnly|ReadWrite|Append)"
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
  message(FATAL_ERROR "System-specific, layer-breaking or storing code in the product:\n${findings}")
endif()
message(STATUS "no system-specific, layer-breaking or storing code in ${FOLDERS}")
