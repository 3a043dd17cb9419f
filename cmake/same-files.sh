#!/usr/bin/env bash
# same-files.sh BUILD_A BUILD_B: the files that the build-time tools write (machine files,
# asset files, help files, our CD, icons and cursors) must be the same byte for byte in two
# builds of the same tree, whatever the word size of the programs that wrote them: the
# 32-bit and the 64-bit game read each other's files. Names every file that differs or is
# missing; exits 1 then.
set -u
a=$1 b=$2 rc=0 count=0
while IFS= read -r f; do
  count=$((count + 1))
  if [ ! -f "$b/$f" ]; then
    echo "missing from $b: $f"; rc=1
  elif ! cmp -s "$a/$f" "$b/$f"; then
    echo "differs between $a and $b: $f"; rc=1
  fi
done < <(cd "$a" && find bin -maxdepth 1 -type f \( -name '*.slot' -o -name '*.ast' -o -name '*.hlp' -o -name '*.doc' \) \
           && find cd -type f && find resources -maxdepth 1 -type f \( -name '*.ico' -o -name '*.cur' \))
if [ "$count" -eq 0 ]; then
  echo "no files written by the build-time tools in $a"; rc=1
fi
[ "$rc" -eq 0 ] && echo "$count files written by both builds are the same byte for byte"
exit $rc
