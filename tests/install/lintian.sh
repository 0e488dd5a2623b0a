#!/usr/bin/env bash
# Checks the Debian packages that the package test built with lintian, Debian's own check
# of a package against its policy: no error and no warning. Notes for information may stay;
# the reasons for the one override are in packaging/vyx-zeziz-data.lintian-overrides.
set -euo pipefail
packages=$1
source "$(dirname "$0")/common.sh"
need lintian

debs=("$packages"/*.deb)
[[ -f ${debs[0]} ]] || skip "the package test made no packages to check:"
# lintian unpacks what it reads and would rather not do so as root: as root, it runs as
# nobody on copies that nobody may read, in a folder of nobody's own.
run=()
home=$work
if [[ $(id -u) -eq 0 ]]; then
    home=$work/nobody
    mkdir "$home"
    cp "${debs[@]}" "$home/"
    debs=("$home"/*.deb)
    chmod 755 "$work"
    chmod -R a+rX "$home"
    chown nobody "$home"
    run=(setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env)
fi
"${run[@]}" env TMPDIR="$home" HOME="$home" \
    lintian --fail-on error,warning --display-info "${debs[@]}" >"$work/lintian" 2>&1 ||
    { cat "$work/lintian"; fail "lintian finds errors or warnings"; }
cat "$work/lintian"
echo "lintian finds no error and no warning in $(basename -a "${debs[@]}" | tr '\n' ' ')"
