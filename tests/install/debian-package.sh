#!/usr/bin/env bash
# Builds the Debian package from the build with CPack and checks it without installing it:
# its control fields (name, version, section, maintainer, dependencies found by
# dpkg-shlibdeps) and that it holds exactly the files "cmake --install" puts in a prefix.
set -euo pipefail
build=$1
version=$2
source "$(dirname "$0")/common.sh"
need cpack dpkg-deb dpkg-shlibdeps

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack failed"; }
packages=("$work"/package/*.deb)
[[ ${#packages[@]} -eq 1 && -f ${packages[0]} ]] || fail "expected one .deb, found: ${packages[*]}"
deb=${packages[0]}
[[ $(basename "$deb") == vyx-zeziz_${version}_$(dpkg --print-architecture).deb ]] ||
    fail "the package is named $(basename "$deb")"

field() { dpkg-deb --field "$deb" "$1"; }
[[ $(field Package) == vyx-zeziz ]] || fail "package name $(field Package)"
[[ $(field Version) == "$version" ]] || fail "package version $(field Version)"
[[ $(field Section) == games ]] || fail "section $(field Section)"
[[ $(field Maintainer) == *@* ]] || fail "maintainer '$(field Maintainer)'"
[[ -n $(field Description) ]] || fail "no description"
depends=$(field Depends)
for library in libc6 libqt6widgets6 libqt6gui6 libqt6core6 libsdl2-2.0-0 libarchive13 libjpeg62-turbo; do
    [[ $depends =~ (^|, )$library( |,|$) ]] || fail "Depends lacks $library: $depends"
done

# The same files as an install into /usr.
install_into "$build" "$work/usr"
(cd "$work" && find usr -type f -printf '/%p\n' | sort) >"$work/installed"
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -n 's|^\./|/|; /[^/]$/p' | sort >"$work/packaged"
diff -u "$work/installed" "$work/packaged" || fail "the package holds other files than the install"
dpkg-deb --contents "$deb" | awk '$1 ~ /^-/ && $1 != "-rw-r--r--" && $1 != "-rwxr-xr-x" {print; bad=1}
    END {exit bad}' || fail "files with unusual permissions"
dpkg-deb --contents "$deb" | awk '$2 != "root/root" {print; bad=1} END {exit bad}' ||
    fail "files not owned by root"
echo "the package vyx-zeziz $version for games depends on $depends and holds the installed files"
