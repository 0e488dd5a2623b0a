#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what landed there: the programs,
# the game's shipped files, the desktop entry, the AppStream metadata, the icons and the
# manual pages, each as its validator sees it, and the game's --help and --version.
set -euo pipefail
build=$1
version=$2
source "$(dirname "$0")/common.sh"
need desktop-file-validate appstreamcli

prefix=$work/prefix
install_into "$build" "$prefix"
cd "$prefix"

desktop_entries=(share/applications/*.desktop)
[[ ${#desktop_entries[@]} -eq 1 && -f ${desktop_entries[0]} ]] ||
    fail "expected one desktop entry, found: ${desktop_entries[*]}"
id=$(basename "${desktop_entries[0]}" .desktop)
[[ $id =~ ^[a-z][a-z0-9]*(\.[A-Za-z][A-Za-z0-9]*){2,}$ ]] || fail "'$id' is no reverse-DNS id"

expected=(
    bin/vyxlines bin/vyx-skin
    share/vyx-zeziz/VyxLines.cfg share/vyx-zeziz/leaders.dat share/vyx-zeziz/Def/leaders.dat
    share/vyx-zeziz/Gfx/Skins/Buttons.lsk share/vyx-zeziz/Help/index.htm
    "share/vyx-zeziz/Help/Program UI.htm"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    share/man/man6/vyxlines.6.gz share/man/man1/vyx-skin.1.gz
)
for sound in Selecting Moving Deleting Error; do
    for choice in 1 2 3; do expected+=("share/vyx-zeziz/Sfx/$sound$choice.wav"); done
done
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
for file in "${expected[@]}"; do
    [[ -f $file ]] || fail "$file was not installed"
done
if command -v chmcmd >/dev/null; then
    [[ -f share/vyx-zeziz/VyxLinesHelp.chm ]] || fail "the help file was not installed"
fi
# The folders the game writes into belong to the player, never to the prefix.
for folder in share/vyx-zeziz/Saves share/vyx-zeziz/Gfx/Cache; do
    [[ ! -e $folder ]] || fail "$folder was installed"
done
# The shipped files are the portable folder's, byte for byte.
(cd "$build/game" && find VyxLines.cfg leaders.dat Def Gfx/Skins Sfx Help -type f) |
    while read -r file; do
        cmp -s "$build/game/$file" "share/vyx-zeziz/$file" || fail "$file differs from the game folder's"
    done

desktop-file-validate "share/applications/$id.desktop" || fail "the desktop entry is not valid"
grep -qx "Icon=$id" "share/applications/$id.desktop" || fail "the desktop entry names another icon"
grep -qx "Categories=Game;BoardGame;LogicGame;" "share/applications/$id.desktop" ||
    fail "the desktop entry has other categories"
appstreamcli validate --no-net "share/metainfo/$id.metainfo.xml" ||
    fail "the AppStream metadata is not valid"
grep -q "<id>$id</id>" "share/metainfo/$id.metainfo.xml" || fail "the metadata names another id"
grep -q "<release version=\"$version\"" "share/metainfo/$id.metainfo.xml" ||
    fail "the metadata's release is not version $version"

png_size() {  # the width and height in a PNG's header
    [[ $(head -c 8 "$1" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || return 0
    od -An -tu1 -j 16 -N 8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'
}
for size in 16 32 48 64 128 256; do
    [[ $(png_size "share/icons/hicolor/${size}x$size/apps/$id.png") == "$size $size" ]] ||
        fail "the $size pixel icon is not a PNG of $size x $size"
done
grep -q "<svg " "share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"

# Manual pages that man formats without a warning, carrying the version.
if command -v man >/dev/null; then
    for page in share/man/man6/vyxlines.6.gz share/man/man1/vyx-skin.1.gz; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
        [[ -z $warnings ]] || fail "$page: $warnings"
        zcat "$page" | head -n 1 | grep -q "Vyx Zeziz $version" || fail "$page is not of $version"
    done
fi

# --help and --version answer without a display and without a window.
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bin/vyxlines --help) ||
    fail "vyxlines --help did not exit 0"
grep -q "^Usage: vyxlines" <<<"$help" || fail "vyxlines --help printed: $help"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM bin/vyxlines --version) ||
    fail "vyxlines --version did not exit 0"
[[ $answer == "Vyx Zeziz $version" ]] || fail "vyxlines --version printed: $answer"
echo "the install holds the programs, the game's files, a valid desktop entry and metadata," \
    "the icons and the manual pages"
