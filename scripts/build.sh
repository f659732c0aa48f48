#!/usr/bin/env bash
# Builds every deliverable for the three targets and the tools, gathers them
# in out/, renders the demo songs through both instruments and takes a
# picture of each editor as it looks on Windows.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

for preset in native win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

rm -rf out
mkdir -p out/linux-x86_64 out/windows-x86 out/windows-x86_64 out/editor out/demo out/bin
cp build/native/out/Quorvel{Mono,Poly}.so out/linux-x86_64/
cp build/win32/out/Quorvel{Mono,Poly}.dll out/windows-x86/
cp build/win64/out/Quorvel{Mono,Poly}.dll out/windows-x86_64/
cp build/native/out/quorvel-render out/bin/

# The main job: the demo songs through both instruments, each with its spectrogram.
out/bin/quorvel-render out/linux-x86_64/QuorvelMono.so demo/bassline.mid -o out/demo/bassline-QuorvelMono.wav
out/bin/quorvel-render out/linux-x86_64/QuorvelPoly.so demo/chords.mid -o out/demo/chords-QuorvelPoly.wav

# The editors, opened in a host window on a virtual display: on Linux, and
# on Windows under Wine.
source scripts/xvfb.sh
start_xvfb
(cd out/editor && QUORVEL_EDITOR_CAPTURE=linux ../../build/native/out/quorvel_tests \
  --gtest_filter='Instruments/X11Editor.DragWithThePointer*' --gtest_brief=1 >/dev/null)
(cd out/editor && QUORVEL_EDITOR_CAPTURE=windows WINE_TIMEOUT=600 ../../scripts/wine-run.sh 64 \
  "$(pwd)/../../build/win64/out/quorvel_tests.exe" \
  --gtest_filter='Instruments/WindowsEditor.DragInTheWindow*' --gtest_brief=1 >/dev/null)
for picture in out/editor/*.bmp out/editor/*.ppm; do
  [ -e "$picture" ] || continue
  anytopnm "$picture" 2>/dev/null | pnmtopng >"${picture%.*}.png"
  rm "$picture"
done

echo "Plug-ins are in $(pwd)/out, the demo renders in $(pwd)/out/demo, pictures of the editors in $(pwd)/out/editor"
