#!/usr/bin/env bash
# FormatCheck.sh <clang-format> <source tree>: fails when a C++ file of the tree differs from what
# clang-format makes of it, and names the files.
set -uo pipefail
format=$1
cd "$2" || exit 1
differing=()
while IFS= read -r -d '' file; do
  "$format" --dry-run --Werror "$file" >/dev/null 2>&1 || differing+=("$file")
done < <(git ls-files -z -- '*.cpp' '*.h')
if [[ ${#differing[@]} -gt 0 ]]; then
  printf 'not in the written style (clang-format -i <file>):\n'
  printf '  %s\n' "${differing[@]}"
  exit 1
fi
echo "every file is in the written style"
