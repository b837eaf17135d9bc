#!/usr/bin/env bash
# Makes what a Windows user downloads, from a Windows build folder:
#
#   tools/windows-dist.sh BUILD_DIR
#
# BUILD_DIR/dist/mirt2-VERSION-windows-x64.zip        the portable folder
# BUILD_DIR/dist/mirt2-VERSION-windows-x64-setup.exe  its installer (NSIS)
#
# The folder is what `cmake --install` lays down (app/windows_install.cmake):
# mirt2.exe, stripped, which needs nothing beyond Windows, and its licences.
# The installer installs exactly its files for the current user and its
# uninstaller removes exactly those (app/mirt2.nsi). Both appear whole or not
# at all.
set -euo pipefail

build=$(cd "${1:?usage: windows-dist.sh BUILD_DIR}" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
version=$(cache_value CMAKE_PROJECT_VERSION)
strip=$(cache_value CMAKE_STRIP)
publisher=$(cache_value MIRT2_PUBLISHER)
[[ -n "$version" && -x "$strip" ]] || {
  echo "windows-dist: $build is not a configured Windows build" >&2
  exit 2
}
for tool in makensis zip; do
  command -v "$tool" >/dev/null || {
    echo "windows-dist: $tool is missing; run tools/install-deps.sh windows" >&2
    exit 2
  }
done

out=$build/dist
name=mirt2-$version-windows-x64
mkdir -p "$out"
scratch=$(mktemp -d "$out/.scratch.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

folder=$scratch/mirt2-$version
cmake --install "$build" --prefix "$folder" >/dev/null
find "$folder" -type f \( -name '*.exe' -o -name '*.dll' \) -exec "$strip" --strip-unneeded {} +

(cd "$scratch" && zip -q -9 -X -r "$scratch/$name.zip" "mirt2-$version")

# The installer's file list, written out from the folder: installing each
# file in its subfolder, and removing each, then each subfolder, deepest first.
install_list=$scratch/install.nsh
remove_list=$scratch/remove.nsh
: >"$install_list"
: >"$remove_list"
while IFS= read -r dir; do
  rel=${dir#"$folder"}
  echo "SetOutPath \"\$INSTDIR${rel//\//\\}\"" >>"$install_list"
  while IFS= read -r file; do
    echo "File \"$file\"" >>"$install_list"
    rel_file=${file#"$folder"}
    echo "Delete \"\$INSTDIR${rel_file//\//\\}\"" >>"$remove_list"
  done < <(find "$dir" -maxdepth 1 -type f | sort)
done < <(find "$folder" -type d | sort)
while IFS= read -r dir; do
  rel=${dir#"$folder"}
  echo "RMDir \"\$INSTDIR${rel//\//\\}\"" >>"$remove_list"
done < <(find "$folder" -mindepth 1 -type d | sort -r)
size_kb=$(du -sk --apparent-size "$folder" | cut -f1)

makensis -V2 -INPUTCHARSET UTF8 \
  -DVERSION="$version" -DPUBLISHER="$publisher" -DSIZE_KB="$size_kb" \
  -DICON="$source_dir/app/icons/mirt2.ico" \
  -DINSTALL_LIST="$install_list" -DREMOVE_LIST="$remove_list" \
  -DOUTFILE="$scratch/$name-setup.exe" \
  "$source_dir/app/mirt2.nsi"

mv -f "$scratch/$name.zip" "$out/$name.zip"
mv -f "$scratch/$name-setup.exe" "$out/$name-setup.exe"
for file in "$out/$name.zip" "$out/$name-setup.exe"; do
  echo "windows-dist: $file ($(stat -c %s "$file") bytes)"
done
