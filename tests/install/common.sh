# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the install checks: failing with a message, and starting an installed program.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts the game through its link <game> offscreen with a fresh home for a few seconds, then stops
# it; fails when it ended on its own (it should keep running). Prints the settings file it wrote.
run_installed_game() {
  local game="$1" home status=0
  home="$(mktemp -d)"
  env HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home" QT_QPA_PLATFORM=offscreen \
    timeout -s TERM 4 "$game" > "$home/output" 2>&1 || status=$?
  if [ "$status" -ne 124 ]; then
    cat "$home/output" >&2
    fail "$game ended with status $status instead of running"
  fi
  cat "$home/.config/glimmerquake/user-registry.reg" 2> /dev/null || true
  rm -rf "$home"
}

# The game, started through its link in <prefix>/<games folder> (bin or games), finds its files
# beside its real path: on a first run it records its default sounds from there. With no
# dictionary at all it still starts and runs.
check_game_finds_its_files() {
  local prefix game folder settings
  prefix="$(cd "$1" && pwd -P)"
  game="$prefix/$2/glimmerquake"
  folder="$prefix/lib/glimmerquake"
  settings="$(run_installed_game "$game")"
  grep -qF "@=\"$folder/select.wav\"" <<< "$settings" \
    || fail "the game started through $game did not find its sounds in $folder: $settings"
  "$prefix/bin/glimdict" lookup "$folder/English.tsd" CAT > /dev/null \
    || fail "glimdict, started through its link, cannot look up CAT in the installed English.tsd"

  local saved
  saved="$(mktemp -d)"
  mv "$folder"/*.tsd "$saved/"
  run_installed_game "$game" > /dev/null
  mv "$saved"/*.tsd "$folder/"
  rmdir "$saved"
}
