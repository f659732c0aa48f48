#!/usr/bin/env bash
# Checks each Windows plug-in: exactly the exports VSTPluginMain and main,
# imports from system libraries only, and i386 code for the 32-bit build.
set -euo pipefail

status=0
for dll in "$@"; do
  dump=$(objdump -p "$dll")
  exports=$(awk '/\[Ordinal\/Name Pointer\] Table/{t=1;next} t&&/^[ \t]*\[/{print $NF} t&&/^$/{t=0}' <<<"$dump" | sort | tr '\n' ' ')
  if [ "$exports" != "VSTPluginMain main " ]; then
    echo "$dll: exports are '$exports', expected 'VSTPluginMain main'"; status=1
  fi
  while read -r name; do
    case "${name,,}" in
      kernel32.dll|user32.dll|gdi32.dll|msvcrt.dll|ucrtbase.dll|api-ms-win-crt-*.dll) ;;
      *) echo "$dll: imports from $name, which is not a system library"; status=1 ;;
    esac
  done < <(awk '/DLL Name:/{print $3}' <<<"$dump")
  case "$dll" in
    */win32/*) objdump -f "$dll" | grep -q 'architecture: i386,' || { echo "$dll: not i386 code"; status=1; } ;;
  esac
  [ $status -eq 0 ] && echo "$dll: exports and imports as expected"
done
exit $status
