#!/usr/bin/env bash
# emulated-content.sh DIR: the content generator's platform-free part (its mathematics and
# every sound it synthesizes: the ambient loop, the gallery's, each machine's and the
# credits') built twice, as a 64-bit program and as a 32-bit x86 one with the options of
# the 32-bit build (SSE2 arithmetic, no contraction); the 32-bit one runs under
# qemu-i386-static, so this runs on hosts that run no 32-bit programs too. What the two
# write must be the same byte for byte, as the generator's files of the 32-bit and the
# 64-bit Windows build must be. (The pictures, drawn through Wine's GDI, are compared where
# both Windows builds run: cmake/same-files.sh.) Both programs and their output are kept
# in DIR. Exits 1 and names the first differing byte when they are not the same.
set -u
here=$(cd "$(dirname "$0")" && pwd)
src=$(dirname "$here")
dir=$1
mkdir -p "$dir"
sources=("$src/tests/content/GeneratedBytesMain.cpp" "$src"/content/{AmbientLoop,DetMath,MachineSounds,SoundFiles,SoundSynth}.cpp
         "$src/content/clipart/GallerySounds.cpp" "$src"/plugins/aulosnd/{CwvFile,SoundImage,WavFile}.cpp)
flags=(-std=c++17 -O2 -static -msse2 -mfpmath=sse -ffp-contract=off
       -I"$src/content" -I"$src/content/clipart" -I"$src/plugins/aulosnd")
for bits in 64 32; do
  if ! ${CXX:-g++} -m$bits "${flags[@]}" "${sources[@]}" -o "$dir/generated_bytes$bits"; then
    echo "FAIL: the $bits-bit program of the generator's platform-free part does not build"; exit 1
  fi
done
"$dir/generated_bytes64" "$dir/generated64.bin" || { echo "FAIL: the 64-bit program failed"; exit 1; }
qemu-i386-static "$dir/generated_bytes32" "$dir/generated32.bin" ||
  { echo "FAIL: the 32-bit program failed under qemu-i386-static"; exit 1; }
if ! cmp "$dir/generated64.bin" "$dir/generated32.bin"; then
  echo "FAIL: the 32-bit and the 64-bit generator compute different bytes"; exit 1
fi
echo "the 32-bit (emulated) and the 64-bit generator compute the same $(stat -c %s "$dir/generated64.bin") bytes"
