#!/usr/bin/env bash
# runs-32bit.sh: exits 0 when this host runs 32-bit x86 programs (what 32-bit Wine and the
# -m32 builds need), 1 when it does not. It does not guess from the machine's name: a
# 64-bit kernel may be built or booted without them. It runs one, a static i386 ELF of
# 96 bytes written here (no 32-bit compiler need be installed) that only calls exit(0):
# the ELF header, one loadable segment, and `mov eax,1; mov ebx,0; int 0x80`.
# VSL_NO_32BIT=1 answers "no" without asking, to choose the 64-bit build on purpose.
set -u
[ "${VSL_NO_32BIT:-}" = 1 ] && exit 1
dir=$(mktemp -d) || exit 1
trap 'rm -rf "$dir"' EXIT
printf '%b' \
  '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
  '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
  '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' \
  '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
  '\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
  '\xb8\x01\x00\x00\x00\xbb\x00\x00\x00\x00\xcd\x80' >"$dir/probe32"
chmod +x "$dir/probe32"
"$dir/probe32" 2>/dev/null && exit 0
# A folder mounted noexec refuses every program: that is no answer about 32 bits.
cp "$(type -P true)" "$dir/native" && "$dir/native" 2>/dev/null ||
  echo "runs-32bit.sh: $dir runs no programs at all (noexec?); set TMPDIR to a folder that does" >&2
exit 1
