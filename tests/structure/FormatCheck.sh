#!/usr/bin/env bash
# FormatCheck.sh <clang-format> <source tree>: fails when a C++ file of the program, its fuzz targets,
# benchmarks or test support differs from what clang-format makes of it, and names the files. The test
# programs themselves are left out: clang-format 14 puts every string of a QTest data row on a line of
# its own, which makes the tables of cases unreadable.
set -uo pipefail
format=$1
cd "$2" || exit 1
differing=()
while IFS= read -r -d '' file; do
  "$format" --dry-run --Werror "$file" >/dev/null 2>&1 || differing+=("$file")
done < <(git ls-files -z -- 'src/*.cpp' 'src/*.h' 'fuzz/*.cpp' 'fuzz/*.h' 'bench/*.cpp' 'bench/*.h' \
  'tests/support/*.cpp' 'tests/support/*.h')
if [[ ${#differing[@]} -gt 0 ]]; then
  printf 'not in the written style (clang-format -i <file>):\n'
  printf '  %s\n' "${differing[@]}"
  exit 1
fi
echo "every file is in the written style"
