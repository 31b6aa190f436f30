#!/usr/bin/env bash
# Installs the build into a fresh prefix, makes the installed tree read-only and starts each
# named program from there with --screenshot, from a folder that is not its own, as a player's
# desktop would: each must end well, save its picture, find its data and write nothing but into
# the settings folders. Then checks the menu entries, icons, AppStream files and manual pages.
#   install_smoke.sh BUILD_DIR CMAKE GAMES_DIR GAMES_DATA_DIR APPSTREAMCLI DESKTOP_FILE_VALIDATE PROGRAM...
# APPSTREAMCLI and DESKTOP_FILE_VALIDATE may be empty when the tools are not installed.
set -euo pipefail

build=$1 cmake=$2 games_dir=$3 games_data_dir=$4 appstreamcli=$5 desktop_file_validate=$6
shift 6
programs=("$@")

work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0

fail() {
  echo "install-smoke: $*" >&2
  failures=$((failures + 1))
}

expect_file() {
  [ -s "$prefix/$1" ] || fail "$1 is not installed"
}

is_png() {
  [ "$(head -c 8 "$1" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ]
}

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" || { cat "$work/install.log" >&2; exit 1; }

for program in orbeni morvane pocketquillet; do
  expect_file "$games_dir/$program"
  expect_file "share/applications/$program.desktop"
  expect_file "share/icons/hicolor/48x48/apps/$program.png"
  expect_file "share/icons/hicolor/256x256/apps/$program.png"
  expect_file "share/icons/hicolor/scalable/apps/$program.svg"
  expect_file "share/man/man6/$program.6.gz"
  expect_file "share/doc/$program/copyright"
  gzip -t "$prefix/share/man/man6/$program.6.gz" || fail "the manual page of $program is no gzip file"
  [ "$(find "$prefix/share/metainfo" -name "*.$program.metainfo.xml" | wc -l)" -eq 1 ] ||
    fail "$program has no AppStream file"
done
for file in Layouts/Classic.lay Tilesets/pai.bmp Backgrounds/dragons.bmp Musics/jade.mid resources/splash.bmp \
  hof.bmp select.wav orbeni.rtf; do
  expect_file "$games_data_dir/orbeni/$file"
done
for file in tiles.bmp marker.bmp splash.bmp toolbar.bmp morvane.png won.wav Games/Lantern.RVQ Games/Terrace.bmp; do
  expect_file "$games_data_dir/morvane/$file"
done

if [ -n "$desktop_file_validate" ]; then
  "$desktop_file_validate" "$prefix"/share/applications/*.desktop || fail "a menu entry is not valid"
fi
if [ -n "$appstreamcli" ]; then
  "$appstreamcli" validate --no-net "$prefix"/share/metainfo/*.metainfo.xml || fail "an AppStream file is not valid"
fi

# As root the write bits do not stop a write, so the tree's listing is compared as well.
chmod -R a-w "$prefix"
find "$prefix" | sort >"$work/installed.list"
mkdir -p "$work/elsewhere" "$work/config" "$work/data" "$work/home" "$work/shots"
for program in "${programs[@]}"; do
  status=0
  (cd "$work/elsewhere" &&
    env QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
      XDG_DATA_HOME="$work/data" timeout 120 "$prefix/$games_dir/$program" --screenshot "$work/shots/$program.png") ||
    status=$?
  [ "$status" -eq 0 ] || fail "$program ended with $status"
  is_png "$work/shots/$program.png" || fail "$program saved no PNG picture"
done
# An installed orbeni imports other programs' layouts into the player's data folder.
if [[ " ${programs[*]} " == *" orbeni "* ]]; then
  printf '<mahjongg><map name="Two rows"><block left="0" right="3" top="0" bottom="1"/></map></mahjongg>\n' \
    >"$work/two.map"
  (cd "$work/elsewhere" &&
    env HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
      timeout 60 "$prefix/$games_dir/orbeni" --import "$work/two.map" >"$work/import.log") ||
    fail "orbeni --import ended with $?: $(cat "$work/import.log")"
  [ -s "$work/data/orbeni/Layouts/Two rows.lay" ] || fail "orbeni --import wrote no layout into its data folder"
fi
find "$prefix" | sort | diff "$work/installed.list" - >&2 || fail "a program wrote into its installed folder"
if [ -n "$(ls -A "$work/elsewhere")" ]; then fail "a program wrote into the folder it was started from"; fi

# morvane records the folder it found its data in among its settings.
if [[ " ${programs[*]} " == *" morvane "* ]]; then
  settings=$work/config/morvane/MORVANE.INI
  if [ -f "$settings" ]; then
    grep -q "=$prefix/$games_data_dir/morvane" "$settings" || fail "morvane did not read its installed data"
  else
    fail "morvane wrote no settings in its settings folder"
  fi
fi

if [ "$failures" -gt 0 ]; then
  echo "install-smoke: $failures failures" >&2
  exit 1
fi
echo "install-smoke: installed and started ${programs[*]}"
