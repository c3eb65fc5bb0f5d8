#!/usr/bin/env bash
# Formats every C++ file the repository tracks with the root .clang-format.
# `format.sh --check` changes nothing and fails, naming the files, when any
# file differs from its formatted form (the test command runs it first).
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v clang-format >/dev/null; then
  echo "tools/format.sh: clang-format is missing (tools/deps.sh test installs it)" >&2
  exit 1
fi

mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" != --check ]; then
  clang-format -i "${files[@]}"
  exit 0
fi

differ=()
for f in "${files[@]}"; do
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || differ+=("$f")
done
if [ ${#differ[@]} -ne 0 ]; then
  echo "These files differ from .clang-format (bash tools/format.sh formats them):" >&2
  printf '  %s\n' "${differ[@]}" >&2
  exit 1
fi
echo "All ${#files[@]} C++ files follow .clang-format."
