#!/usr/bin/env bash
# Draws all the art again into a fresh folder and compares it with data/, byte for byte:
# the generators must make every committed file as it stands, and no file that is not
# committed.
#
#   reproduces-data.sh <data folder> <fresh folder> <command that draws into the fresh folder...>
set -euo pipefail

data=$1
fresh=$2
shift 2
rm -rf "$fresh"
"$@"
if ! diff -r "$fresh" "$data"; then
    echo "The generators no longer draw what data/ holds: 'cmake --workflow --preset art'" \
        "rewrites it; look at the pictures and sounds, then commit them."
    exit 1
fi
echo "The generators draw every file of data/ byte for byte."
