#!/usr/bin/env bash
# Makes the release package dist/LanguageMonitorSettingTool-<version>.zip from the programs in
# dist/ (make exe): both programs, the README as README.txt and SHA256SUMS of the three. The
# version is the product version of res/version.h. Every entry carries the commit's date and
# fixed permissions, so the same commit gives the same package.
set -euo pipefail
cd "$(dirname "$0")/.."

version=$(sed -n 's/^#define SETTINGTOOL_PRODUCT_VERSION \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)$/\1.\2.\3.\4/p' res/version.h)
if [ -z "$version" ]; then
    echo "make-dist.sh: no product version in res/version.h" >&2
    exit 1
fi
for program in SettingTool.exe SettingToolCmd.exe; do
    if [ ! -f "dist/$program" ]; then
        echo "make-dist.sh: dist/$program is missing: make exe first" >&2
        exit 1
    fi
done
name="LanguageMonitorSettingTool-$version"
date=$(git log -1 --format=%ct 2>/dev/null || echo 315532800) # else 1980-01-01, zip's first day

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir "$stage/$name"
cp dist/SettingTool.exe dist/SettingToolCmd.exe "$stage/$name/"
sed 's/$/\r/' README.md >"$stage/$name/README.txt" # Windows line ends for Notepad
(cd "$stage/$name" && sha256sum SettingTool.exe SettingToolCmd.exe README.txt >SHA256SUMS)
chmod 755 "$stage/$name"
chmod 644 "$stage/$name"/*
touch -d "@$date" "$stage/$name" "$stage/$name"/*

package="$PWD/dist/$name.zip"
rm -f "$package"
(cd "$stage" && TZ=UTC zip -X -q -D "$package" \
    "$name/SettingTool.exe" "$name/SettingToolCmd.exe" "$name/README.txt" "$name/SHA256SUMS")
echo "dist/$name.zip:"
(cd "$stage/$name" && sed 's/^/  /' SHA256SUMS)
