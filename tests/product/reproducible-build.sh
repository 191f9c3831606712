#!/usr/bin/env bash
# Builds the shipped programs again from a copy of the sources in another folder, as a clean
# build, and compares them byte for byte with the product tree's: no time stamp, path or other
# trace of the build may end up in them.
#   reproducible-build.sh SOURCE_DIR SettingTool.exe SettingToolCmd.exe
set -euo pipefail
source_dir=$1
shift

work=$(mktemp -d "${TMPDIR:-/tmp}/settingtool-rebuild.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir "$work/elsewhere"
tar -C "$source_dir" --exclude=./build --exclude=./dist --exclude=./.git -cf - . |
    tar -C "$work/elsewhere" -xf -
(
    cd "$work/elsewhere"
    cmake --preset product -DBUILD_TESTING=OFF >/dev/null
    cmake --build --preset product --target SettingTool SettingToolCmd >/dev/null
)

failed=0
for program in "$@"; do
    rebuilt="$work/elsewhere/build/product/$(basename "$program")"
    if cmp "$program" "$rebuilt"; then
        echo "$(basename "$program"): the same bytes when built in $work/elsewhere"
    else
        failed=1
    fi
done
exit $failed
