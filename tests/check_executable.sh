#!/usr/bin/env bash
# The shipped executable: a 32-bit GUI program, large-address-aware, that
# imports system DLLs only (no mingw runtime DLL beside it).
set -euo pipefail
exe=$1
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
allowed='^(ADVAPI32|COMCTL32|GDI32|gdiplus|KERNEL32|msvcrt|ole32|OLEAUT32|SHELL32|SHLWAPI|USER32|WININET|VERSION)\.(dll|DLL)$'

headers=$($objdump -p "$exe")
fail=0
grep -q 'file format pei-i386' <<<"$($objdump -f "$exe")" || { echo "not a PE32 i386 image"; fail=1; }
grep -q 'Subsystem[[:space:]]*00000002' <<<"$headers" || { echo "not a GUI program"; fail=1; }
characteristics=$(awk '/^Characteristics/ {print $2; exit}' <<<"$headers")
(( (16#${characteristics#0x} & 0x20) != 0 )) || { echo "not large-address-aware ($characteristics)"; fail=1; }
while read -r dll; do
  if [[ ! $dll =~ $allowed ]]; then echo "imports a non-system DLL: $dll"; fail=1; fi
done < <(awk '/DLL Name:/ {print $3}' <<<"$headers")
[[ $fail -eq 0 ]] && echo "setup.exe: PE32 GUI, large-address-aware, system DLLs only"
exit $fail
