#!/usr/bin/env bash
# clang-tidy (checks in .clang-tidy) and cppcheck over the program's own code.
# Needs the default build's compile_commands.json: run after `make build`.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/default
[[ -f $build/compile_commands.json ]] || {
  echo "no $build/compile_commands.json: build the default preset first" >&2
  exit 2
}

echo "== cppcheck"
cppcheck --std=c++20 --language=c++ --enable=warning,performance,portability --library=qt \
  --inline-suppr --error-exitcode=1 --quiet -Iengine -Iui -Iplatform -j"$(nproc)" \
  engine ui app

echo "== clang-tidy"
# Windows-only files are compiled by the cross build, not this one.
run-clang-tidy -quiet -p "$build" "$(pwd)/(engine|ui|app)/.*\.cpp$" >"$build/clang-tidy.log" 2>&1 || {
  grep -E "warning:|error:" "$build/clang-tidy.log" >&2 || cat "$build/clang-tidy.log" >&2
  exit 1
}
echo "clean"
