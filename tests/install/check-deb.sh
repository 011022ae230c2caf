#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package made by CPack: its control fields, exactly the expected files, lintian's
# verdict, and the game running from the package's files unpacked into a throw-away root.
set -euo pipefail
build="$1"
work="$2"
expected="$3"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

rm -rf "$work"
mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" || { cat "$work/cpack.log"; fail "cpack failed"; }
debs=("$work"/glimmerquake_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single glimmerquake .deb: ${debs[*]}"
deb="${debs[0]}"

[ "$(dpkg-deb -f "$deb" Package)" = glimmerquake ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in the games section"
depends="$(dpkg-deb -f "$deb" Depends)"
for needed in libqt6widgets6 libpulse0 libsndfile1 libc6 fonts-liberation2 fonts-dejavu-core; do
  grep -q "$needed" <<< "$depends" || fail "Depends lacks $needed: $depends"
done
recommends="$(dpkg-deb -f "$deb" Recommends)"
for wanted in wordnet-base qt6-translations-l10n; do
  grep -q "$wanted" <<< "$recommends" || fail "Recommends lacks $wanted: $recommends"
done

# Files and links only; folders follow from them.
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }' | LC_ALL=C sort > "$work/contents"
if ! diff -u "$expected" "$work/contents"; then
  fail "the package's files differ from $expected"
fi

# No error or warning from lintian (the CI runs as root, which lintian allows when asked); its
# informational tags are printed too, for the record.
command -v lintian > /dev/null || fail "lintian is not installed"
lintian_status=0
lintian --no-cfg --profile debian --allow-root --display-info --tag-display-limit 0 \
  --fail-on error,warning "$deb" > "$work/lintian.log" 2>&1 || lintian_status=$?
cat "$work/lintian.log"
[ "$lintian_status" -eq 0 ] || fail "lintian found errors or warnings (status $lintian_status)"

root="$work/root"
dpkg-deb -x "$deb" "$root"
check_game_finds_its_files "$root/usr" games
rm -rf "$work"
echo "package OK: $(basename "$deb")"
