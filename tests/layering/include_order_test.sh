#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The folder order holds for the sources, and the check refuses a tree where
# one file includes against it.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
check="$here/../../scripts/check-includes"
"$check" "$here/../../src"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
cp -r "$here/../../src/." "$tree"
echo '#include "console/console.h"' >>"$tree/domain/band.cpp"
if output=$("$check" "$tree"); then
    echo "FAIL: domain/ including console/ was not refused"
    exit 1
fi
grep -q 'domain/band.cpp:.*domain/ must not include console/console.h' <<<"$output" ||
    { echo "FAIL: the refusal does not name the include: $output"; exit 1; }
echo "PASS"
