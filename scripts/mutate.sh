#!/usr/bin/env bash
# Plants one fault in a scratch copy of the tree, builds the copy and runs every
# test on it:
#
#   scripts/mutate.sh FILE:LINE 'OLD' 'NEW'
#
# replaces the first OLD on line LINE of FILE by NEW (plain text, not a pattern)
# and ends with one line: "caught" and the tests that failed, "survived" when
# every test passed, or "not built" when the fault does not compile. The
# working tree is left alone; uncommitted changes are part of the copy. The copy
# and its build live in build-mutate/ (MUTATE_DIR) and are rebuilt only as far
# as files changed, so the second run is quick. Exit status: 0 caught, 1
# survived, 3 not built, 2 for a usage error.
set -euo pipefail

usage() {
  echo "usage: scripts/mutate.sh FILE:LINE 'OLD' 'NEW'" >&2
  exit 2
}
[ $# -eq 3 ] || usage
top=$(git rev-parse --show-toplevel)
cd "$top"
where=$1 old=$2 new=$3
file=${where%:*} line=${where##*:}
[[ $where == *:* && $line =~ ^[1-9][0-9]*$ && -f $file ]] || usage
[ -n "$old" ] || usage
text=$(sed -n "${line}p" "$file")
if [[ $text != *"$old"* ]]; then
  echo "mutate: line $line of $file does not hold '$old':" >&2
  echo "  $text" >&2
  exit 2
fi

scratch=${MUTATE_DIR:-$top/build-mutate}
src=$scratch/src
mkdir -p "$src"

# Mirror the tree: copy what differs (with a new time stamp, so that make
# rebuilds it) and remove what the tree no longer has.
git ls-files -co --exclude-standard | sort >"$scratch/files"
while IFS= read -r f; do
  [ -f "$f" ] || continue
  if ! cmp -s "$f" "$src/$f"; then
    mkdir -p "$src/$(dirname "$f")"
    cp "$f" "$src/$f"
  fi
done <"$scratch/files"
(cd "$src" && find . -type f | sed 's|^\./||' | sort) | comm -23 - "$scratch/files" |
  while IFS= read -r gone; do rm -f "$src/$gone"; done

MUT_OLD=$old MUT_NEW=$new MUT_LINE=$line perl -i -pe '
  if ($. == $ENV{MUT_LINE}) {
    my $i = index($_, $ENV{MUT_OLD});
    substr($_, $i, length $ENV{MUT_OLD}) = $ENV{MUT_NEW};
  }' "$src/$file"
echo "mutate: $file:$line: $(sed -n "${line}p" "$src/$file" | sed 's/^[[:space:]]*//')"

restore() { cp "$file" "$src/$file"; }
trap restore EXIT

build=$scratch/build
log=$scratch/log
[ -f "$build/CMakeCache.txt" ] || cmake -S "$src" -B "$build" >"$log" 2>&1
if ! cmake --build "$build" -j"${JOBS:-2}" >"$log" 2>&1; then
  echo "not built (see $log)"
  exit 3
fi
if (cd "$build" && QT_QPA_PLATFORM=offscreen ctest -j"${JOBS:-2}" --timeout 300 >"$log" 2>&1); then
  echo "survived"
  exit 1
fi
echo "caught by: $(sed -n '/tests FAILED:/,$p' "$log" | grep -oE '[0-9]+ - [^ ]+' | cut -d' ' -f3 | paste -sd' ')"
exit 0
