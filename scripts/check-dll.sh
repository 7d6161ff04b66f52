#!/usr/bin/env bash
# check-dll.sh OBJDUMP DLL [OBJCOPY MAX-BYTES]: the module exports exactly InstallHook, RemoveHook
# and GetThemeInfo (undecorated) and imports nothing but system DLLs (libgcc/libstdc++ are linked
# in statically); with OBJCOPY, its stripped size (as scripts/package.sh ships it) is at most
# MAX-BYTES: it is mapped into every GUI program, and features grow it unnoticed.
set -uo pipefail
objdump=${1:?objdump}; dll=${2:?dll}; objcopy=${3:-}; max_bytes=${4:-0}
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
if [ -n "$objcopy" ]; then
  stripped=$(mktemp)
  if "$objcopy" --strip-all "$dll" "$stripped"; then
    size=$(stat -c %s "$stripped")
    echo "stripped size: $size bytes (at most $max_bytes)"
    [ "$size" -le "$max_bytes" ] || { echo "FAIL: the stripped module is larger than $max_bytes bytes"; status=1; }
  else
    echo "FAIL: cannot strip a copy of $dll"; status=1
  fi
  rm -f "$stripped"
fi
[ $status -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $status
