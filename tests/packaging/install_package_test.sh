#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build in BUILD_DIR into a temporary prefix and checks every
# file a desktop installation needs, validates the menu entry, the AppStream
# record and the manual page, then builds the Debian package from the same
# build tree and checks its fields, its contents and lintian's verdict.
# Usage: install_package_test.sh BUILD_DIR. Exit 77 (skipped) when a tool is
# missing.
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1/CPackConfig.cmake" ]; then
    echo "usage: $0 BUILD_DIR (a configured and built build directory)" >&2
    exit 2
fi
build=$(realpath "$1")
for tool in cmake cpack desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps lintian \
    groff man; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing (scripts/bootstrap installs it)"
        exit 77
    fi
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

app_id=org.volna144.Volna144
installed=(
    bin/volna144
    share/applications/volna144.desktop
    share/icons/hicolor/scalable/apps/volna144.svg
    "share/metainfo/$app_id.metainfo.xml"
    share/man/man1/volna144.1.gz
    share/doc/volna144/README.md
    share/doc/volna144/copyright
    share/doc/volna144/changelog.gz
    share/doc/volna144/docs/band-activity.png
    share/doc/volna144/docs/wire-diagram.png
    share/doc/volna144/docs/simulated-band.png
    share/doc/volna144/docs/console.png
)

# The options of --help, each an item of the manual page's OPTIONS.
check_manual_options() {
    local binary=$1 page=$2 option options options_section
    options_section=$(sed -n '/^OPTIONS$/,/^ENVIRONMENT$/p' <<<"$page")
    options=$("$binary" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
    [ -n "$options" ] || fail "--help names no option"
    for option in $options; do
        grep -Eq -- "^ {7}(-[a-z], )?$option([=[ ]|$)" <<<"$options_section" ||
            fail "the manual page has no item for $option"
    done
    # Each port of --port=NAME as an item of its own.
    for port in $("$binary" --help | sed -n 's/^  --port=\([a-z]*\).*/\1/p'); do
        grep -Eq "^ +$port(\[:[A-Z]+\])?( |$)" <<<"$page" ||
            fail "the manual page does not describe the port $port"
    done
}

check_manual() {
    local prefix=$1 page warnings
    warnings=$(zcat "$prefix/share/man/man1/volna144.1.gz" | groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || fail "groff warns about the manual page: $warnings"
    page=$(MANWIDTH=80 man -l "$prefix/share/man/man1/volna144.1.gz" 2>/dev/null)
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS ENVIRONMENT FILES 'EXIT STATUS' SAFETY \
        'SEE ALSO'; do
        grep -q "^$section\$" <<<"$page" || fail "the manual page has no section $section"
    done
    check_manual_options "$prefix/bin/volna144" "$page"
}

# The installed program's version (set in version) is the one the metainfo
# record carries.
check_installed() {
    local prefix=$1 file
    for file in "${installed[@]}"; do
        [ -s "$prefix/$file" ] || fail "cmake --install did not install $file"
    done
    version=$("$prefix/bin/volna144" --version --lang=en) || fail "volna144 --version failed"
    grep -q 'GPL-3.0-or-later' <<<"$version" || fail "--version names no licence"
    version=$(head -n 1 <<<"$version")
    version=${version#volna144 }
    grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$app_id.metainfo.xml" ||
        fail "the metainfo record has no release $version"
    desktop-file-validate "$prefix/share/applications/volna144.desktop" ||
        fail "desktop-file-validate refused the menu entry"
    appstreamcli validate --no-net --explain "$prefix/share/metainfo/$app_id.metainfo.xml" ||
        fail "appstreamcli refused the metainfo record"
    grep -q '^Icon=volna144$' "$prefix/share/applications/volna144.desktop" ||
        fail "the menu entry does not name the installed icon"
    grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/volna144.svg" ||
        fail "the icon is not an SVG picture"
    check_manual "$prefix"
}

# The package's control fields and file list.
check_package() {
    local deb=$1 version=$2 info contents file depends
    info=$(dpkg-deb --info "$deb")
    echo "$info"
    grep -q '^ Package: volna144$' <<<"$info" || fail "the package is not named volna144"
    grep -q "^ Version: $version\$" <<<"$info" || fail "the package's version is not $version"
    grep -q '^ Section: hamradio$' <<<"$info" || fail "the package is not in section hamradio"
    depends=$(grep '^ Depends:' <<<"$info" || true)
    # The adapters' libraries are opened at run time: named by hand.
    local wanted=(fonts-dseg qt6-translations-l10n libqt6widgets6)
    local help
    help=$(QT_QPA_PLATFORM=offscreen "$build/volna144" --lang=en --help)
    grep -q 'built without libftdi1' <<<"$help" || wanted+=(libftdi1-2)
    grep -q 'built without libgpiod' <<<"$help" || wanted+=(libgpiod2)
    for package in "${wanted[@]}"; do
        grep -q "[ ,]$package\b" <<<"$depends" || fail "the package does not depend on $package"
    done
    contents=$(dpkg-deb --contents "$deb")
    for file in "${installed[@]}"; do
        grep -q " \./usr/$file\$" <<<"$contents" || fail "the package does not hold /usr/$file"
    done
}

# lintian's errors fail the test; its warnings are printed.
check_lintian() {
    local deb=$1 report
    report=$(lintian --allow-root --display-info --tag-display-limit 0 "$deb" 2>&1 || true)
    echo "lintian:"
    echo "${report:-(nothing to report)}"
    if grep -q '^E:' <<<"$report"; then
        fail "lintian reports errors"
    fi
}

cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" ||
    { cat "$work/install.log"; fail "cmake --install failed"; exit 1; }
version=""
check_installed "$work/prefix"

if cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >"$work/cpack.log" 2>&1; then
    deb=$(ls "$work"/package/volna144_*.deb)
    [ "$(basename "$deb")" = "volna144_${version}_$(dpkg --print-architecture).deb" ] ||
        fail "the package file is named $(basename "$deb")"
    check_package "$deb" "$version"
    check_lintian "$deb"
else
    cat "$work/cpack.log"
    fail "cpack could not build the package"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "installed files, menu entry, metainfo, manual page and package: all checks passed"
