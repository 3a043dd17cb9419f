#!/usr/bin/env bash
# x87-check.sh DIR: the 32-bit programs that write the game's files at build time compute in
# SSE2 double precision only, never with the x87's arithmetic, whose results depend on its
# precision word and its 80-bit registers: the 32-bit and the 64-bit build then write the
# same bytes by construction. DIR is a 32-bit (i686) Windows build folder; a folder with no
# build in it is configured with the i686 toolchain first. Only the writers are built there
# (vsl_content, vslc, vsl_helpfiles, make_wizard_data), and nothing is run: this needs no
# host that runs 32-bit programs. Lists every x87 arithmetic instruction by function
# (objdump), and exits 1 on any outside the C runtime's own number formatting and parsing
# and its exact roundings to an integer.
set -u
here=$(cd "$(dirname "$0")" && pwd)
src=$(dirname "$here")
dir=$1
writers=(vsl_content vslc vsl_helpfiles make_wizard_data)
objdump=i686-w64-mingw32-objdump
cxxfilt=i686-w64-mingw32-c++filt

# Functions of the prebuilt runtime whose x87 arithmetic is allowed, with why.
# The runtime's conversions between numbers and text (gdtoa, printf and strtod): exact
# by their own construction, whatever the precision word.
runtime_text='^(__gdtoa|__strtodg|__[a-z0-9]+_D2A|__mingw_w?[ps]format|__pformat_[a-z_]+|__mingw_(str|wcs)to(d|f|ld))$'
# Roundings to an integer (frndint and the exact x - rint(x) beside it).
exact_rounding='^(l?l?round|l?l?rint|nearbyint|trunc|floor|ceil)f?$'
# libstdc++'s growth of a path's component list: a capacity, in no file.
runtime_capacity='^std::filesystem::__cxx11::path::_List::reserve\(int, bool\)$'

if [ ! -f "$dir/CMakeCache.txt" ]; then
  echo "configuring $dir: the 32-bit writers only"
  mkdir -p "$dir"
  if ! cmake -S "$src" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$src/cmake/mingw-i686.cmake" >"$dir/x87-configure.log" 2>&1; then
    cat "$dir/x87-configure.log"; echo "FAIL: $dir does not configure"; exit 1
  fi
fi
if ! grep -qs '^set(CMAKE_SYSTEM_PROCESSOR "i686")' "$dir"/CMakeFiles/*/CMakeSystem.cmake; then
  echo "FAIL: $dir is no 32-bit (i686) Windows build"; exit 1
fi
if ! cmake --build "$dir" -j "${JOBS:-$(nproc)}" --target "${writers[@]}" >"$dir/x87-build.log" 2>&1; then
  tail -40 "$dir/x87-build.log"; echo "FAIL: the 32-bit writers do not build in $dir"; exit 1
fi

# x87_by_function EXE: "function<TAB>instruction ..." for each function with x87 arithmetic.
# Comdat code is labelled by its section (.text$<mangled name>); the exception tables that
# the linker puts among the code are data and are not read.
x87_by_function() {
  "$objdump" -d -M intel --no-show-raw-insn "$1" | awk -F'\t' '
    /^[0-9a-f]+ <.*>:$/ {
      fn = $0; sub(/^[0-9a-f]+ </, "", fn); sub(/>:$/, "", fn)
      data = (fn ~ /^\.gcc_except_table/)
      if (fn ~ /^\.text[$.]/) { sub(/^\.text(\$|\.unlikely\.|\.startup\.|\.)/, "", fn); fn = "_" fn }
      next
    }
    !data && NF >= 2 {
      op = $2; sub(/ .*/, "", op)
      if (op ~ /^f(i?(add|sub|subr|mul|div|divr)p?|sqrt|sin|cos|sincos|patan|ptan|yl2x|yl2xp1|2xm1|rndint|scale|prem1?)$/)
        ops[fn] = ops[fn] " " op
    }
    END { for (f in ops) print f "\t" ops[f] }' | sort
}

rc=0
for writer in "${writers[@]}"; do
  exe="$dir/bin/$writer.exe"
  echo "== x87 arithmetic in $exe, by function"
  found=0 bad=0
  while IFS=$'\t' read -r raw ops; do
    name=$(printf '%s\n' "$raw" | "$cxxfilt")
    [ "$name" = "$raw" ] && name=${raw#_}
    base=${name% \[clone *\]}
    if [[ $base =~ $runtime_text ]]; then why="allowed: the runtime's number formatting and parsing"
    elif [[ $base =~ $exact_rounding ]]; then why="allowed: the runtime's exact rounding to an integer"
    elif [[ $base =~ $runtime_capacity ]]; then why="allowed: the C++ runtime's container capacity"
    else why="FAIL: computes with the x87"; bad=$((bad + 1))
    fi
    found=$((found + 1))
    echo "  $name:$(printf '%s\n' $ops | sort | uniq -c | awk '{printf " %s x%d", $2, $1}')  [$why]"
  done < <(x87_by_function "$exe")
  [ "$found" -eq 0 ] && echo "  (none)"
  if [ "$bad" -gt 0 ]; then
    echo "FAIL: $bad function(s) of $writer.exe compute with the x87; build them with -msse2 -mfpmath=sse"
    rc=1
  fi
done
[ "$rc" -eq 0 ] && echo "the 32-bit writers compute no x87 arithmetic of their own"
exit $rc
