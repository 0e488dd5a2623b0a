#!/usr/bin/env bash
# Builds the Debian packages from the build with CPack into a folder, for the lintian test
# to read, and checks them without installing them: vyx-zeziz with the programs and what
# the desktop reads, vyx-zeziz-data with the game's files for every architecture; their
# control fields (names, versions, section, maintainer, dependencies found by
# dpkg-shlibdeps) and that together they hold exactly the files "cmake --install" puts in
# a prefix.
set -euo pipefail
build=$1
version=$2
packages=$3
source "$(dirname "$0")/common.sh"
need cpack dpkg-deb dpkg-shlibdeps

rm -rf "$packages"
cpack --config "$build/CPackConfig.cmake" -B "$packages" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
architecture=$(dpkg --print-architecture)
game=$packages/vyx-zeziz_${version}_$architecture.deb
data=$packages/vyx-zeziz-data_${version}_all.deb
made=$(cd "$packages" && ls ./*.deb)
[[ $made == "$(printf './%s\n' "$(basename "$data")" "$(basename "$game")")" ]] ||
    fail "expected $(basename "$game") and $(basename "$data"), found: $made"

field() { dpkg-deb --field "$1" "$2"; }
for deb in "$game" "$data"; do
    [[ $(field "$deb" Version) == "$version" ]] || fail "$deb: version $(field "$deb" Version)"
    [[ $(field "$deb" Section) == games ]] || fail "$deb: section $(field "$deb" Section)"
    [[ $(field "$deb" Maintainer) == *@* ]] || fail "$deb: maintainer '$(field "$deb" Maintainer)'"
    [[ $(field "$deb" Description) == *$'\n'* ]] || fail "$deb: no long description"
done
[[ $(field "$game" Package) == vyx-zeziz && $(field "$game" Architecture) == "$architecture" ]] ||
    fail "the game's package is $(field "$game" Package) for $(field "$game" Architecture)"
[[ $(field "$data" Package) == vyx-zeziz-data && $(field "$data" Architecture) == all ]] ||
    fail "the data package is $(field "$data" Package) for $(field "$data" Architecture)"
depends=$(field "$game" Depends)
for package in libc6 libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-2.0-0 libarchive13 \
    libjpeg62-turbo xdg-utils "vyx-zeziz-data (= $version)"; do
    [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done
[[ $(field "$game" Recommends) == "qt6-wayland, qt6-translations-l10n" ]] ||
    fail "the game recommends '$(field "$game" Recommends)'"
[[ -z $(field "$data" Depends) ]] || fail "the data package depends on $(field "$data" Depends)"

# Together the same files as an install into /usr; the game's files all in the data package.
install_into "$build" "$work/usr"
(cd "$work" && find usr -type f -printf '/%p\n' | sort) >"$work/installed"
contents() { dpkg-deb --fsys-tarfile "$1" | tar -t | sed -n 's|^\./|/|; /[^/]$/p' | sort; }
contents "$game" >"$work/game"
contents "$data" >"$work/data"
sort "$work/game" "$work/data" | diff -u "$work/installed" - ||
    fail "the packages hold other files than the install"
grep -v -e '^/usr/share/games/vyx-zeziz/' -e '^/usr/share/doc/vyx-zeziz-data/' \
    -e '^/usr/share/lintian/overrides/vyx-zeziz-data$' "$work/data" &&
    fail "the data package holds files of the game's package"
grep '^/usr/share/games/' "$work/game" && fail "the game's package holds the game's files"
for deb in "$game" "$data"; do
    dpkg-deb --contents "$deb" | awk '$1 ~ /^-/ && $1 != "-rw-r--r--" && $1 != "-rwxr-xr-x" {print; bad=1}
        END {exit bad}' || fail "$deb: files with unusual permissions"
    dpkg-deb --contents "$deb" | awk '$2 != "root/root" {print; bad=1} END {exit bad}' ||
        fail "$deb: files not owned by root"
done
echo "vyx-zeziz $version for $architecture depends on $depends;" \
    "with vyx-zeziz-data for all architectures it holds the installed files"
