#!/usr/bin/env bash
# The programs of the build, for the scripts: the one reader of their list and of their table.
#   scripts/programs.sh                   the programs, one word each (programs/programs.cmake)
#   scripts/programs.sh NAME FIELD [BUILD] a field of the program's row in the table a build writes
#                                         (BUILD/programs/registry.tsv, BUILD defaults to build):
#                                         caption, first_answer_key, second_answer_key,
#                                         menu_name, summary
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ $# -eq 0 ]]; then
  cmake -P programs/programs.cmake
  exit
fi
name=$1 field=$2 table=${3:-build}/programs/registry.tsv
[[ -f "$table" ]] || { echo "programs.sh: no $table (build the target program_registry_table)" >&2; exit 1; }
awk -F '\t' -v name="$name" -v field="$field" '
  NR == 1 { for (i = 1; i <= NF; i++) column[$i] = i; if (!(field in column)) exit 3; next }
  $1 == name { print $column[field]; found = 1 }
  END { if (!found) exit 4 }' "$table" || {
  echo "programs.sh: no field $field of $name in $table" >&2
  exit 1
}
