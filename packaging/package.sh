#!/bin/bash
# Packs the built 32-bit and 64-bit vantora.exe for Windows users, named with the version of
# res/vantora.rc:
#   <out>/Vantora-<version>-portable.zip  the folder Vantora with vantora.exe (32-bit),
#                                         vantora64.exe, Skins and ReadMe.txt
#   <out>/Vantora-<version>-setup.exe     the per-user installer (packaging/vantora.nsi), which
#                                         installs the one that fits the system as vantora.exe
# Usage: packaging/package.sh <folder holding the 32-bit vantora.exe> <folder holding the 64-bit
#        vantora.exe> <output folder>
set -euo pipefail
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
ROOT=$(dirname "$HERE")
exe=$(cd "$1" && pwd)/vantora.exe
exe64=$(cd "$2" && pwd)/vantora.exe
mkdir -p "$3"
out=$(cd "$3" && pwd)
[ -f "$exe" ] || { echo "no vantora.exe in $1" >&2; exit 1; }
[ -f "$exe64" ] || { echo "no vantora.exe in $2" >&2; exit 1; }

rc=$ROOT/res/vantora.rc
version=$(sed -n 's/.*VALUE "ProductVersion", "\([0-9.]*\)".*/\1/p' "$rc")
file_version=$(sed -n 's/^FILEVERSION \([0-9]*\),\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1.\2.\3.\4/p' "$rc")
if [ -z "$version" ] || [ -z "$file_version" ]; then
  echo "no ProductVersion or FILEVERSION in $rc" >&2; exit 1
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
dir=$stage/Vantora
mkdir "$dir"
cp "$exe" "$dir/vantora.exe"
cp "$exe64" "$dir/vantora64.exe"
cp -r "$ROOT/Skins" "$dir/Skins"
# Notepad on older Windows shows a file without carriage returns on one line.
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' "$HERE/ReadMe.txt" > "$dir/ReadMe.txt"

# The folder holds one release: older versions go, and zip would otherwise add to an old archive.
rm -f "$out"/Vantora-*-portable.zip "$out"/Vantora-*-setup.exe
zip_file=$out/Vantora-$version-portable.zip
(cd "$stage" && zip -q -r -X "$zip_file" Vantora)

# The uninstaller removes the skins it installed one by one, deepest first, and leaves the rest.
(
  cd "$dir"
  find Skins -depth | while IFS= read -r path; do
    case "$path" in *[\"\$\`]*) echo "unsupported character in $path" >&2; exit 1 ;; esac
    win='$INSTDIR\'${path//\//\\}
    if [ -d "$path" ]; then echo "RMDir \"$win\""; else echo "Delete \"$win\""; fi
  done
) > "$stage/uninstall-files.nsh"

setup_file=$out/Vantora-$version-setup.exe
makensis -V2 -DVERSION="$version" -DFILE_VERSION="$file_version" -DSTAGE="$dir" \
  -DUNINSTALL_FILES="$stage/uninstall-files.nsh" -DICON="$ROOT/res/vantora.ico" \
  -DOUTFILE="$setup_file" "$HERE/vantora.nsi"
echo "$zip_file"
echo "$setup_file"
