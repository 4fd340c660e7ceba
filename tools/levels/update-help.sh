#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Tumbledown developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Measures the computer players again and writes the figures into the help
# page, between its "BEGIN tumbledown-levels" and "END tumbledown-levels"
# comments; the build draws the chart from them. The sentences around them
# quote some figures too: the levels_help_figures test names any that no
# longer hold.
#
# usage: tools/levels/update-help.sh BUILD_DIR [GAMES [SEED]]
set -eu

build=${1:?usage: update-help.sh BUILD_DIR [GAMES [SEED]]}
games=${2:-200000}
seed=${3:-1}
root=$(cd "$(dirname "$0")/../.." && pwd)
help="$root/resources/Tumbledown.html"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/bin/tumbledown-levels" --games "$games" --seed "$seed" --html >"$work/block.html"

grep -q '<!-- BEGIN tumbledown-levels -->' "$help" &&
    grep -q '<!-- END tumbledown-levels -->' "$help" ||
    { echo "update-help.sh: no tumbledown-levels markers in $help" >&2; exit 1; }

awk -v block="$work/block.html" '
    /<!-- BEGIN tumbledown-levels -->/ {
        print
        while ((getline line < block) > 0)
            print line
        skipping = 1
        next
    }
    /<!-- END tumbledown-levels -->/ { skipping = 0 }
    !skipping { print }
' "$help" >"$work/help.html"
cat "$work/help.html" >"$help"
echo "update-help.sh: $help now shows the figures of --games $games --seed $seed"
