#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a throw-away prefix: the program's folder, the links, the desktop files,
# the manual pages, and the installed game running from its link. A prefix other than /usr links
# the game into bin (only /usr puts it in games, as the Debian package checks).
set -euo pipefail
build="$1"
work="$2"
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

rm -rf "$work"
mkdir -p "$work"
prefix="$work/usr"
cmake --install "$build" --prefix "$prefix" > "$work/install.log"

folder="$prefix/lib/glimmerquake"
for file in glimmerquake glimdict English.tsd British.tsd French.tsd German.tsd Spanish.tsd \
            select.wav word.wav newlife.wav endRound.wav highword.wav lowword.wav refuse.wav; do
  [ -f "$folder/$file" ] || fail "$folder/$file is not installed"
done
for program in glimmerquake glimdict; do
  [ "$(readlink "$prefix/bin/$program")" = "../lib/glimmerquake/$program" ] \
    || fail "$prefix/bin/$program is not a relative link into the program's folder"
done

app=com.quirkwell.glimmerquake
desktop="$prefix/share/applications/$app.desktop"
metainfo="$prefix/share/metainfo/$app.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $desktop"
appstreamcli validate --no-net --pedantic "$metainfo" || fail "appstreamcli rejects $metainfo"
grep -qx "Icon=$app" "$desktop" || fail "the desktop entry does not name the icon $app"
grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" \
  || fail "the metainfo does not launch $app.desktop"
[ -f "$prefix/share/icons/hicolor/scalable/apps/$app.svg" ] || fail "no scalable icon"
for size in 16 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png"
  [ -f "$icon" ] || fail "no ${size}x${size} icon"
  file "$icon" | grep -q "PNG image data, $size x $size" || fail "$icon is not a ${size}x${size} PNG"
done
for doc in doc/glimmerquake/copyright doc/glimmerquake/LICENSE doc/glimmerquake/README.md \
           doc/glimmerquake/changelog.gz doc/glimmerquake/wordlists/wamerican.copyright \
           man/man6/glimmerquake.6.gz man/man1/glimdict.1.gz; do
  [ -f "$prefix/share/$doc" ] || fail "share/$doc is not installed"
done
[ ! -e "$prefix/games" ] || fail "a prefix other than /usr got a games folder"

check_game_finds_its_files "$prefix" bin
rm -rf "$work"
echo "install tree OK"
