#!/usr/bin/env bash
# Maps drive S: of the tree's Wine prefix to a fresh folder, as a server share would be mapped,
# so the end-to-end tests can put an intranet package on a mapped drive.
set -euo pipefail
tree=$1
wine_helper=$2
prefix=$("$wine_helper" prefix --tree "$tree")
folder="$tree/wine-drives/s"
rm -rf "$folder"
mkdir -p "$folder"
ln -sfn "$folder" "$prefix/dosdevices/s:"
