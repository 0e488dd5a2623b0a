#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what landed there, laid out as
# Debian lays out a game: the programs, the game's shipped files, the desktop entry, the
# AppStream metadata with its screenshots, the icons and the manual pages, each as its
# validator sees it, and the programs' --help and --version.
set -euo pipefail
build=$1
version=$2
source_folder=$3  # the repository, which the metadata's screenshots are served from
served_as=$4      # the address of its files
source "$(dirname "$0")/common.sh"
need desktop-file-validate appstreamcli

prefix=$work/prefix
install_into "$build" "$prefix"
cd "$prefix"

desktop_entries=(share/applications/*.desktop)
[[ ${#desktop_entries[@]} -eq 1 && -f ${desktop_entries[0]} ]] ||
    fail "expected one desktop entry, found: ${desktop_entries[*]}"
id=$(basename "${desktop_entries[0]}" .desktop)
[[ $id =~ ^[a-z][a-z0-9]*(\.[a-z][a-z0-9]*){2,}$ ]] || fail "'$id' is no lower-case reverse-DNS id"

expected=(
    games/vyxlines games/vyx-skin
    share/games/vyx-zeziz/VyxLines.cfg share/games/vyx-zeziz/leaders.dat
    share/games/vyx-zeziz/Def/leaders.dat share/games/vyx-zeziz/Gfx/Skins/Buttons.lsk
    share/games/vyx-zeziz/Help/index.htm "share/games/vyx-zeziz/Help/Program UI.htm"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    share/man/man6/vyxlines.6.gz share/man/man1/vyx-skin.1.gz
)
for sound in Selecting Moving Deleting Error; do
    for choice in 1 2 3; do expected+=("share/games/vyx-zeziz/Sfx/$sound$choice.wav"); done
done
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
for file in "${expected[@]}"; do
    [[ -f $file ]] || fail "$file was not installed"
done
if command -v chmcmd >/dev/null; then
    [[ -f share/games/vyx-zeziz/VyxLinesHelp.chm ]] || fail "the help file was not installed"
fi
# The folders the game writes into belong to the player, never to the prefix.
for folder in share/games/vyx-zeziz/Saves share/games/vyx-zeziz/Gfx/Cache bin; do
    [[ ! -e $folder ]] || fail "$folder was installed"
done
# The shipped files are the portable folder's, byte for byte.
(cd "$build/game" && find VyxLines.cfg leaders.dat Def Gfx/Skins Sfx Help -type f) |
    while read -r file; do
        cmp -s "$build/game/$file" "share/games/vyx-zeziz/$file" || fail "$file differs from the game folder's"
    done

desktop-file-validate "share/applications/$id.desktop" || fail "the desktop entry is not valid"
grep -qx "Icon=$id" "share/applications/$id.desktop" || fail "the desktop entry names another icon"
grep -qx "Categories=Game;BoardGame;LogicGame;" "share/applications/$id.desktop" ||
    fail "the desktop entry has other categories"
# Software centres' view: no error, no warning and no pedantic note (notes for information,
# such as the .example domain's being unknown to the validator, may stay).
appstreamcli validate --pedantic --no-net "share/metainfo/$id.metainfo.xml" >"$work/appstream" ||
    { cat "$work/appstream"; fail "the AppStream metadata is not valid"; }
cat "$work/appstream"
! grep -q "^[EWP]:" "$work/appstream" || fail "the AppStream validator has more to say than notes"
grep -q "<id>$id</id>" "share/metainfo/$id.metainfo.xml" || fail "the metadata names another id"
grep -q "<release version=\"$version\"" "share/metainfo/$id.metainfo.xml" ||
    fail "the metadata's release is not version $version"

# What Debian 12's validator does not check yet but software centres need: a summary they
# need not cut, and colours for both light and dark.
lacks=$(python3 -c '
import sys, xml.etree.ElementTree as tree
component = tree.parse(sys.argv[1]).getroot()
if len(component.findtext("summary")) > 35:
    print("a summary of at most 35 characters")
schemes = {c.get("scheme_preference") for c in component.iterfind("branding/color")}
if schemes != {"light", "dark"}:
    print("branding colours for light and dark")
' "share/metainfo/$id.metainfo.xml")
[[ -z $lacks ]] || fail "the metadata lacks: $lacks"

png_size() {  # the width and height in a PNG's header
    [[ $(head -c 8 "$1" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || return 0
    od -An -tu1 -j 16 -N 8 "$1" | awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}'
}
# Every screenshot the metadata shows is a PNG of the repository's, served from there, of
# the size the metadata gives it.
screenshots=$(python3 -c '
import sys, xml.etree.ElementTree as tree
for image in tree.parse(sys.argv[1]).iterfind("screenshots/screenshot/image"):
    print(image.text.strip(), image.get("width", "-"), image.get("height", "-"))
' "share/metainfo/$id.metainfo.xml")
[[ -n $screenshots ]] || fail "the metadata shows no screenshot"
while read -r url width height; do
    [[ $url == "$served_as"/* ]] || fail "$url is not served from the repository, $served_as"
    picture=$source_folder/${url#"$served_as"/}
    [[ -f $picture ]] || fail "the screenshot $url is not in the repository: $picture"
    size=$(png_size "$picture")
    [[ -n $size ]] || fail "the screenshot $picture is no PNG"
    [[ $width == - || "$width $height" == "$size" ]] ||
        fail "the screenshot $picture is $size, the metadata says $width $height"
done <<<"$screenshots"
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

# --help and --version answer alike in both programs, without a display and without a window.
for program in "vyxlines:Vyx Zeziz" "vyx-skin:vyx-skin (Vyx Zeziz)"; do
    name=${program%%:*}
    help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "games/$name" --help) ||
        fail "$name --help did not exit 0"
    grep -q "^Usage: $name" <<<"$help" || fail "$name --help printed: $help"
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "games/$name" --version) ||
        fail "$name --version did not exit 0"
    [[ $answer == "${program#*:} $version" ]] || fail "$name --version printed: $answer"
done
echo "the install holds the programs, the game's files, a valid desktop entry and metadata," \
    "the icons and the manual pages"
