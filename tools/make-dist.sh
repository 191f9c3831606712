#!/usr/bin/env bash
# Makes the release package dist/LanguageMonitorSettingTool-<version>.zip from the programs in
# dist/ (make exe): both programs, the README as README.txt with the two guides it links to for
# the people who run the programs (docs/using.md, docs/administrators.md), and SHA256SUMS. The
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
guides=(docs/using.md docs/administrators.md)
mkdir -p "$stage/$name/docs"
cp dist/SettingTool.exe dist/SettingToolCmd.exe "$stage/$name/"
# Windows line ends for Notepad.
sed 's/$/\r/' README.md >"$stage/$name/README.txt"
for guide in "${guides[@]}"; do
    sed 's/$/\r/' "$guide" >"$stage/$name/$guide"
done
files=(SettingTool.exe SettingToolCmd.exe README.txt "${guides[@]}")
(cd "$stage/$name" && sha256sum "${files[@]}" >SHA256SUMS)
chmod 755 "$stage/$name" "$stage/$name/docs"
chmod 644 "$stage/$name"/SHA256SUMS "${files[@]/#/$stage/$name/}"
touch -d "@$date" "$stage/$name" "$stage/$name/docs" "$stage/$name"/SHA256SUMS "${files[@]/#/$stage/$name/}"

package="$PWD/dist/$name.zip"
rm -f "$package"
(cd "$stage" && TZ=UTC zip -X -q -D "$package" "${files[@]/#/$name/}" "$name/SHA256SUMS")
echo "dist/$name.zip:"
(cd "$stage/$name" && sed 's/^/  /' SHA256SUMS)
