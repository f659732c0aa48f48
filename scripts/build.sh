#!/usr/bin/env bash
# Builds every deliverable for the three targets, gathers them in out/ and
# takes a picture of each editor as it looks on Windows.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

for preset in native win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

rm -rf out
mkdir -p out/linux-x86_64 out/windows-x86 out/windows-x86_64 out/editor
cp build/native/out/Quorvel{Mono,Poly}.so out/linux-x86_64/
cp build/win32/out/Quorvel{Mono,Poly}.dll out/windows-x86/
cp build/win64/out/Quorvel{Mono,Poly}.dll out/windows-x86_64/

# The editors, opened in a host window under Wine on a virtual display.
source scripts/xvfb.sh
start_xvfb
tests=$(pwd)/build/win64/out/quorvel_tests.exe
(cd out/editor && QUORVEL_EDITOR_CAPTURE=windows WINE_TIMEOUT=600 ../../scripts/wine-run.sh 64 "$tests" \
  --gtest_filter='Instruments/WindowsEditor.DragInTheWindow*' --gtest_brief=1 >/dev/null)
for bitmap in out/editor/*.bmp; do
  bmptopnm "$bitmap" 2>/dev/null | pnmtopng >"${bitmap%.bmp}.png"
  rm "$bitmap"
done

echo "Plug-ins are in $(pwd)/out, pictures of the editors in $(pwd)/out/editor"
