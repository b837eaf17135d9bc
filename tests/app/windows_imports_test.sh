#!/usr/bin/env bash
# A Windows program is one self-contained .exe: every DLL it imports is one
# that Windows itself has, taken here as those Wine provides for Windows
# programs, or one of Windows' API sets (api-ms-win-*, which Windows' loader
# resolves to its own DLLs), and none of MinGW's runtime or Qt's.
#
#   tests/app/windows_imports_test.sh OBJDUMP WINE_DLL_DIR PROGRAM.exe...
set -euo pipefail

objdump=${1:?usage: windows_imports_test.sh OBJDUMP WINE_DLL_DIR PROGRAM.exe...}
dll_dir=${2:?usage: windows_imports_test.sh OBJDUMP WINE_DLL_DIR PROGRAM.exe...}
shift 2
(($# > 0)) || { echo "usage: windows_imports_test.sh OBJDUMP WINE_DLL_DIR PROGRAM.exe..." >&2; exit 2; }

status=0
for program in "$@"; do
  imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | sort -f -u)
  [[ -n "$imports" ]] || { echo "not ok - $program imports no DLL at all" >&2; status=1; continue; }
  foreign=()
  while IFS= read -r dll; do
    shopt -s nocasematch
    [[ "$dll" == api-ms-win-* || "$dll" == ext-ms-win-* ]] && continue
    shopt -u nocasematch
    [[ -n "$(find "$dll_dir" -maxdepth 1 -iname "$dll" -print -quit)" ]] || foreign+=("$dll")
  done <<<"$imports"
  if ((${#foreign[@]} > 0)); then
    echo "not ok - $(basename "$program") imports ${foreign[*]}, which Windows does not have" >&2
    status=1
  else
    echo "ok - $(basename "$program") imports only Windows' own DLLs: $(echo "$imports" | tr '\n' ' ')"
  fi
done
exit "$status"
