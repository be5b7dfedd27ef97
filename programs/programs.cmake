# The programs, one word each: a program is its folder under programs/ and its word here. The build,
# the tests, the benchmarks, the packages and the scripts all take the list from this line.
set(DRILL_PROGRAMS tavrel gondila mirskav luzema fendrok)

# Run as a script (cmake -P, scripts/programs.sh), it prints the list.
if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  list(JOIN DRILL_PROGRAMS " " words)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${words}")
endif()
