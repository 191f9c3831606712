#!/usr/bin/env bash
# Makes the release package dist/LanguageMonitorSettingTool-<version>.zip from the programs in
# dist/ (make exe): both programs, README.txt, the two guides for the people who run the programs
# (docs/using.md, docs/administrators.md), the pictures that these pages name, and SHA256SUMS.
# The version is the product version of res/version.h. Every entry carries the commit's date and
# fixed permissions, so the same commit gives the same package.
#
# README.txt is made from docs/release-readme.txt: each line "[[FILE PART]]" there is replaced by
# the lines of FILE between "<!-- README.txt begin PART -->" and "<!-- README.txt end PART -->",
# so that its text is written once, in the pages it is taken from. The guides are shipped without
# those marker lines. Every page or picture that a page in the zip names must be in the zip.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
    echo "make-dist.sh: $*" >&2
    exit 1
}

version=$(sed -n 's/^#define SETTINGTOOL_PRODUCT_VERSION \([0-9]*\), \([0-9]*\), \([0-9]*\), \([0-9]*\)$/\1.\2.\3.\4/p' res/version.h)
[ -n "$version" ] || fail "no product version in res/version.h"
for program in SettingTool.exe SettingToolCmd.exe; do
    [ -f "dist/$program" ] || fail "dist/$program is missing: make exe first"
done
name="LanguageMonitorSettingTool-$version"
date=$(git log -1 --format=%ct 2>/dev/null || echo 315532800) # else 1980-01-01, zip's first day

marker='^<!-- README\.txt \(begin\|end\) [a-z-]* -->$'

# part <file> <part>: the lines of <file> between the markers of <part>, which must be there once.
part() {
    local begin="<!-- README.txt begin $2 -->" end="<!-- README.txt end $2 -->"
    [ "$(grep -cxF "$begin" "$1")" = 1 ] && [ "$(grep -cxF "$end" "$1")" = 1 ] ||
        fail "$1 has no part '$2' (one line '$begin', one line '$end')"
    awk -v begin="$begin" -v end="$end" '$0 == end { inside = 0 } inside { print } $0 == begin { inside = 1 }' "$1"
}

# The pages, with Unix line ends: README.txt from its source page, the guides without markers.
readme() {
    local line
    while IFS= read -r line; do
        if [[ "$line" =~ ^\[\[([^\ ]+)\ ([a-z-]+)\]\]$ ]]; then
            part "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}"
        else
            printf '%s\n' "${line//@VERSION@/$version}"
        fi
    done <docs/release-readme.txt
}

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
pages="$stage/pages"
mkdir -p "$pages/docs"
guides=(docs/using.md docs/administrators.md)
# A link whose text is its target, [docs/using.md](docs/using.md), is a plain path in a text file.
readme | sed 's/\[\([^]]*\)\](\1)/\1/g' >"$pages/README.txt"
for guide in "${guides[@]}"; do
    grep -v "$marker" "$guide" >"$pages/$guide"
done

# What the pages name: in README.txt the paths docs/..., in the guides their links (beside them).
# Each must be a page of the zip or a picture in docs/, which then goes into the zip.
if grep -n '](' "$pages/README.txt" >&2; then
    fail "README.txt keeps a link (docs/release-readme.txt, or a part it takes): write the path"
fi
named=$(
    grep -o 'docs/[A-Za-z0-9._-]*[A-Za-z0-9_-]' "$pages/README.txt" || true
    for guide in "${guides[@]}"; do
        grep -o '\](\([^)#][^)#]*\)' "$pages/$guide" | sed 's/^](//' | grep -v '^[a-z]*:' |
            sed 's|^|docs/|' || true
    done
)
pictures=()
for file in $(printf '%s\n' "$named" | LC_ALL=C sort -u); do
    case "$file" in
    docs/*.png)
        [ -f "$file" ] || fail "a page names $file, which does not exist"
        pictures+=("$file")
        ;;
    *)
        [ -f "$pages/$file" ] || fail "a page names $file, which is not in the zip"
        ;;
    esac
done

mkdir -p "$stage/$name/docs"
cp dist/SettingTool.exe dist/SettingToolCmd.exe "$stage/$name/"
# Windows line ends for Notepad.
for page in README.txt "${guides[@]}"; do
    sed 's/$/\r/' "$pages/$page" >"$stage/$name/$page"
done
cp "${pictures[@]}" "$stage/$name/docs/"
files=(SettingTool.exe SettingToolCmd.exe README.txt "${guides[@]}" "${pictures[@]}")
(cd "$stage/$name" && sha256sum "${files[@]}" >SHA256SUMS)
chmod 755 "$stage/$name" "$stage/$name/docs"
chmod 644 "$stage/$name"/SHA256SUMS "${files[@]/#/$stage/$name/}"
touch -d "@$date" "$stage/$name" "$stage/$name/docs" "$stage/$name"/SHA256SUMS "${files[@]/#/$stage/$name/}"

package="$PWD/dist/$name.zip"
rm -f "$package"
(cd "$stage" && TZ=UTC zip -X -q -D "$package" "${files[@]/#/$name/}" "$name/SHA256SUMS")
echo "dist/$name.zip:"
(cd "$stage/$name" && sed 's/^/  /' SHA256SUMS)
