#!/usr/bin/env bash
# Builds every deliverable for the three targets and gathers them in out/.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

for preset in native win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

rm -rf out
mkdir -p out/linux-x86_64 out/windows-x86 out/windows-x86_64
cp build/native/out/Quorvel{Mono,Poly}.so out/linux-x86_64/
cp build/win32/out/Quorvel{Mono,Poly}.dll out/windows-x86/
cp build/win64/out/Quorvel{Mono,Poly}.dll out/windows-x86_64/
echo "Plug-ins are in $(pwd)/out"
