# The table of the programs that the scripts read (scripts/programs.sh): what the build registered of
# each (REGISTRY, cmake/DrillProgram.cmake) beside what its description says (DESCRIBED, written by
# tools/program_registry), one tab-separated line per program after a line naming the fields.
#   cmake -DREGISTRY=... -DDESCRIBED=... -DOUT=... -P WriteProgramTable.cmake
include(${REGISTRY})
file(STRINGS ${DESCRIBED} described ENCODING UTF-8)
list(POP_FRONT described fields)
set(table "${fields}\tmenu_name\tsummary\n")
foreach(line IN LISTS described)
  string(REGEX MATCH "^[^\t]+" name "${line}")
  string(APPEND table "${line}\t${DRILL_${name}_MENU_NAME}\t${DRILL_${name}_SUMMARY}\n")
endforeach()
file(WRITE ${OUT} "${table}")
