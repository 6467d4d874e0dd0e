#!/bin/bash
# Packs the built vantora.exe with packaging/package.sh, as ./release does, and tries both results
# in the test prefix, reading everything back from outside: the archive with unzip, resources with
# wrestool, files, the registry with `wine reg`, windows with xdotool and their processes in /proc.
# Usage: release_check.sh path/to/vantora.exe path/to/64-bit/vantora.exe <source root> <work folder>
# Needs DISPLAY and WINEPREFIX of a running test session; with VANTORA_WINEPREFIX64 of a running
# 64-bit one it also installs there.
set -u
exe=$1
exe64=$2
root=$3
work=$4
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

MAIN_TITLE='^Vantora - Desktop Customization Suite$'
UNINSTALL_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vantora'
RUN_KEY='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'

started=()  # process ids of the copies of Vantora this check started, closed on the way out
run_saved=""
run_before=""
cleanup() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null; done
  if [ -z "$run_saved" ]; then
    return
  elif [ -n "$run_before" ]; then
    wine reg add "$RUN_KEY" /v Vantora /d "$run_before" /f >/dev/null 2>&1
  else
    wine reg delete "$RUN_KEY" /v Vantora /f >/dev/null 2>&1
  fi
}
trap cleanup EXIT

# A string of a file's version resource, read with icoutils.
version_string() { wrestool -x --raw -t 16 "$1" | strings -el -n 3 | grep -A1 -x "$2" | sed -n 2p; }
win_var() { wine cmd /c echo "%$1%" | tr -d '\r'; }
# The data of value $1 in the output of `wine reg query`.
reg_field() { tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | reg_field "$2"; }
files_under() { (cd "$1" && find . -type f | sed 's|^\./||' | sort); }

# Waits for the main window of the copy whose process passes the test $1 (given the window's pid).
main_window_of() {
  local w pid
  for _ in $(seq 150); do
    for w in $(xdotool search --onlyvisible --name "$MAIN_TITLE" 2>/dev/null); do
      pid=$(xdotool getwindowpid "$w" 2>/dev/null) || continue
      if "$1" "$pid"; then echo "$w $pid"; return 0; fi
    done
    sleep 0.1
  done
  return 1
}
# Closes a main window as a user does (Alt+F4) and waits until its process has ended.
close_window() {
  timeout 10 xdotool windowfocus --sync "$1" 2>/dev/null || return 1
  [ "$(xdotool getwindowfocus)" = "$1" ] && xdotool key alt+F4 || return 1
  for _ in $(seq 100); do [ -e "/proc/$2" ] || return 0; sleep 0.1; done
  return 1
}
# The uninstaller copies itself to the temporary folder and runs from there with _?=<folder>.
wait_for_uninstaller() {
  local pattern
  pattern=$(printf '%s' "_?=$inst_win" | sed 's/[][\\.*^$?+(){}|]/\\&/g')
  for _ in $(seq 150); do
    pgrep -f -- "$pattern" >/dev/null || return 0
    sleep 0.1
  done
  fail "the uninstaller did not finish"
}

rm -rf "$work"
mkdir -p "$work"
bash "$root/packaging/package.sh" "$(dirname "$exe")" "$(dirname "$exe64")" "$work/out" >/dev/null || { echo "FAIL: packaging"; exit 1; }

version=$(version_string "$exe" ProductVersion)
publisher=$(version_string "$exe" CompanyName)
zip_file=$work/out/Vantora-$version-portable.zip
setup=$work/out/Vantora-$version-setup.exe
[ -n "$version" ] && [ -f "$zip_file" ] && [ -f "$setup" ] ||
  { echo "FAIL: no zip and installer named with version '$version': $(ls "$work/out")"; exit 1; }
[ "$(ls "$work/out" | wc -l)" -eq 2 ] || fail "more than the two files: $(ls "$work/out")"

# --- the installer's own face: version, icon, no elevation ---
[ "$(version_string "$setup" ProductVersion)" = "$version" ] || fail "installer version is not $version"
[ "$(version_string "$setup" CompanyName)" = "$publisher" ] || fail "installer publisher is not $publisher"
wrestool -x -t 14 -o "$work/setup.ico" "$setup" || fail "no icon in the installer"
[ "$(icotool -l "$work/setup.ico")" = "$(icotool -l "$root/res/vantora.ico")" ] ||
  fail "the installer's icon is not the program's: $(icotool -l "$work/setup.ico")"
wrestool -x --raw -t 24 "$setup" | grep -q 'level="asInvoker"' || fail "the installer asks for elevation"

# --- the portable zip ---
expected=$( (echo Vantora/vantora.exe; echo Vantora/vantora64.exe; echo Vantora/ReadMe.txt
             cd "$root" && find Skins -type f | sed 's|^|Vantora/|') | sort)
unzip -tq "$zip_file" >/dev/null || fail "the zip does not test clean"
[ "$(unzip -Z1 "$zip_file" | grep -v '/$' | sort)" = "$expected" ] ||
  fail "zip holds: $(unzip -Z1 "$zip_file" | tr '\n' ' ')"
unzip -q "$zip_file" -d "$work/zip"
portable=$work/zip/Vantora
cmp -s "$exe" "$portable/vantora.exe" || fail "the zip's vantora.exe differs from the built one"
cmp -s "$exe64" "$portable/vantora64.exe" || fail "the zip's vantora64.exe differs from the built 64-bit one"
diff -r "$root/Skins" "$portable/Skins" >/dev/null || fail "the zip's skins differ from Skins"
for key in C M X R H F; do
  grep -q "Ctrl+Alt+$key " "$portable/ReadMe.txt" || fail "ReadMe.txt does not name Ctrl+Alt+$key"
done
grep -q "delete the folder" "$portable/ReadMe.txt" || fail "ReadMe.txt does not say how to uninstall"

# --- the installer, silently, in the test prefix ---
inst_win="$(win_var LOCALAPPDATA)\\Programs\\Vantora"
inst=$(winepath -u "$inst_win")
lnk=$(winepath -u "$(win_var APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs\\Vantora.lnk")
run_before=$(reg_value "$RUN_KEY" Vantora)
run_saved=1
if [ -e "$inst" ]; then  # left by an interrupted run
  rm -rf "$inst" "$lnk"; wine reg delete "$UNINSTALL_KEY" /f >/dev/null 2>&1
fi

wine "$setup" /S </dev/null >/dev/null 2>&1 || fail "silent install exited with $?"
[ "$(files_under "$inst")" = "$( (echo uninstall.exe; echo vantora.exe; cd "$root" && find Skins -type f) | sort)" ] ||
  fail "installed: $(files_under "$inst" | tr '\n' ' ')"
cmp -s "$exe" "$inst/vantora.exe" || fail "on a 32-bit system the installed vantora.exe is not the 32-bit one"
diff -r "$root/Skins" "$inst/Skins" >/dev/null || fail "the installed skins differ from Skins"
[ -f "$lnk" ] || fail "no Start menu shortcut at $lnk"

entry=$(wine reg query "$UNINSTALL_KEY" 2>/dev/null)
value() { echo "$entry" | reg_field "$1"; }
[ "$(value DisplayName)" = "Vantora" ] || fail "DisplayName: '$(value DisplayName)'"
[ "$(value DisplayVersion)" = "$version" ] || fail "DisplayVersion: '$(value DisplayVersion)'"
[ "$(value Publisher)" = "$publisher" ] || fail "Publisher: '$(value Publisher)'"
[ "$(value DisplayIcon)" = "$inst_win\\vantora.exe,0" ] || fail "DisplayIcon: '$(value DisplayIcon)'"
[ "$(value UninstallString)" = "\"$inst_win\\uninstall.exe\"" ] || fail "UninstallString: '$(value UninstallString)'"
size_kb=$(( $(value EstimatedSize) ))
actual_kb=$(du -sk --apparent-size "$inst" | cut -f1)
[ "$size_kb" -gt $((actual_kb * 9 / 10)) ] && [ "$size_kb" -le $((actual_kb + 4)) ] ||
  fail "EstimatedSize $size_kb KB for $actual_kb KB of files"

# --- each copy starts and shows its main window: the zip's directly, the installed one from its
# shortcut. One at a time: Wine gives the keyboard to the window that appeared last.
wine "$portable/vantora.exe" </dev/null >/dev/null 2>&1 &
zip_pid=$!
started+=("$zip_pid")
is_zip_copy() { [ "$1" = "$zip_pid" ]; }
if zip_window=$(main_window_of is_zip_copy); then
  if close_window $zip_window; then
    wait "$zip_pid"; rc=$?
    [ "$rc" -eq 0 ] || fail "the zip's copy ended with exit code $rc"
  else
    fail "the zip's copy did not end after Alt+F4"
  fi
else
  fail "the zip's vantora.exe shows no main window"
fi

wine start /unix "$lnk" </dev/null >/dev/null 2>&1 || fail "the Start menu shortcut does not start"
is_installed_copy() { tr '\0' ' ' <"/proc/$1/cmdline" 2>/dev/null | grep -qiF "$inst_win\\vantora.exe"; }
if installed_window=$(main_window_of is_installed_copy); then
  started+=("${installed_window#* }")
  # A running copy locks its executable: Setup fails, and the uninstaller stops before it has
  # removed anything.
  wine "$setup" /S </dev/null >/dev/null 2>&1 && fail "Setup over a running copy reports success"
  wine "$inst/uninstall.exe" /S </dev/null >/dev/null 2>&1
  wait_for_uninstaller
  [ -f "$inst/vantora.exe" ] && [ -f "$inst/uninstall.exe" ] && [ -f "$lnk" ] &&
    wine reg query "$UNINSTALL_KEY" >/dev/null 2>&1 || fail "uninstalling a running copy removed parts of it"
  close_window $installed_window || fail "the installed copy did not end after Alt+F4"
else
  fail "the installed vantora.exe shows no main window"
fi

# --- uninstall: everything goes, a start-up entry of another copy stays ---
elsewhere="\"$(winepath -w "$portable/vantora.exe")\""
wine reg add "$RUN_KEY" /v Vantora /d "$elsewhere" /f >/dev/null 2>&1
wine "$inst/uninstall.exe" /S </dev/null >/dev/null 2>&1
wait_for_uninstaller
[ -e "$inst" ] && fail "left after uninstall: $(files_under "$inst" | tr '\n' ' ')"
[ -e "$lnk" ] && fail "the Start menu shortcut is left after uninstall"
wine reg query "$UNINSTALL_KEY" >/dev/null 2>&1 && fail "the installed-programs entry is left after uninstall"
[ "$(reg_value "$RUN_KEY" Vantora)" = "$elsewhere" ] || fail "the start-up entry of another copy was touched"

# --- again, with the start-up entry on the installed copy and a skin of the user's own ---
wine "$setup" /S </dev/null >/dev/null 2>&1 || fail "second silent install exited with $?"
echo "mine" > "$inst/Skins/Mine.vskin"
wine reg add "$RUN_KEY" /v Vantora /d "\"$inst_win\\vantora.exe\"" /f >/dev/null 2>&1
wine "$inst/uninstall.exe" /S </dev/null >/dev/null 2>&1
wait_for_uninstaller
[ "$(files_under "$inst")" = "Skins/Mine.vskin" ] || fail "after uninstall: $(files_under "$inst" | tr '\n' ' ')"
[ -n "$(reg_value "$RUN_KEY" Vantora)" ] && fail "the start-up entry of the removed copy is left"
rm -rf "$inst"

# --- on a 64-bit system the installer puts the 64-bit program in place ---
if [ -n "${VANTORA_WINEPREFIX64:-}" ] && [ -f "$VANTORA_WINEPREFIX64/system.reg" ]; then
  export WINEPREFIX=$VANTORA_WINEPREFIX64 WINEARCH=win64
  inst_win="$(win_var LOCALAPPDATA)\\Programs\\Vantora"
  inst=$(winepath -u "$inst_win")
  wine "$setup" /S </dev/null >/dev/null 2>&1 || fail "silent install on a 64-bit system exited with $?"
  cmp -s "$exe64" "$inst/vantora.exe" || fail "on a 64-bit system the installed vantora.exe is not the 64-bit one"
  wine "$inst/uninstall.exe" /S </dev/null >/dev/null 2>&1
  wait_for_uninstaller
  [ -e "$inst" ] && fail "left after uninstall on a 64-bit system: $(files_under "$inst" | tr '\n' ' ')"
  rm -rf "$inst"
fi

[ "$failures" -eq 0 ] && echo "zip and installer of Vantora $version checked" || exit 1
