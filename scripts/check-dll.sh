#!/usr/bin/env bash
# check-dll.sh OBJDUMP DLL: the module exports exactly InstallHook, RemoveHook and GetThemeInfo
# (undecorated) and imports nothing but system DLLs (libgcc/libstdc++ are linked in statically).
set -uo pipefail
objdump=${1:?objdump}; dll=${2:?dll}
dump=$("$objdump" -p "$dll") || { echo "cannot read $dll"; exit 1; }
exports=$(printf '%s\n' "$dump" | awk '/\[Ordinal\/Name Pointer\] Table/{t=1;next} t&&/^[ \t]*\[/{print $NF;next} t&&NF==0{t=0}' | sort | tr '\n' ' ')
imports=$(printf '%s\n' "$dump" | sed -n 's/^[ \t]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u | tr '\n' ' ')
echo "exports: $exports"
echo "imports: $imports"
status=0
[ "$exports" = "GetThemeInfo InstallHook RemoveHook " ] || { echo "FAIL: exports must be exactly GetThemeInfo InstallHook RemoveHook"; status=1; }
for d in $imports; do
  case "$d" in
    kernel32.dll|user32.dll|gdi32.dll|advapi32.dll|msvcrt.dll|shell32.dll|ole32.dll|api-ms-win-*) ;;
    *) echo "FAIL: imports non-system DLL $d"; status=1 ;;
  esac
done
[ $status -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $status
