#!/usr/bin/env bash
# The AppStream metadata as software centres read it from the installed tree:
# valid without errors or warnings, its launchable the installed desktop
# entry, its newest release the project's version, its screenshot the
# committed one at the size it states. Exit 77 where appstreamcli is missing.
# $1: the build folder; $2: the source folder; $3: the project version.
set -u
build=$1
source=$2
version=$3
command -v appstreamcli >/dev/null || { echo "SKIPPED: appstreamcli is missing (apt install appstream)"; exit 77; }
prefix=$(mktemp -d /tmp/veltrano-metainfo.XXXXXX)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

timeout 120 cmake --install "$build" --prefix "$prefix/usr" >/dev/null || fail "cmake --install failed"
metainfo=$(ls "$prefix"/usr/share/metainfo/*.metainfo.xml 2>/dev/null)
[ -n "$metainfo" ] || fail "no metainfo under share/metainfo"

# The URLs are not checked: they name the project's site, which this machine
# cannot reach.
report=$(appstreamcli validate --explain --no-net "$metainfo" 2>&1) || fail "validate: $report"
grep -Eq '^ *[EW]:' <<<"$report" && fail "validate reports errors or warnings: $report"
report=$(appstreamcli validate-tree --explain --no-net "$prefix" 2>&1) || fail "validate-tree: $report"
grep -Eq '^ *[EW]:' <<<"$report" && fail "validate-tree reports errors or warnings: $report"

newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n 1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "newest release $newest, project $version"
launchable=$(grep -o '<launchable type="desktop-id">[^<]*' "$metainfo" | cut -d'>' -f2)
[ -f "$prefix/usr/share/applications/$launchable" ] || fail "launchable $launchable is not installed"

shot="$source/packaging/screenshots/$(grep -o 'https://[^<]*\.png' "$metainfo" | head -n 1 | xargs basename)"
[ -f "$shot" ] || fail "the screenshot is not committed: $shot"
size=$(grep -o '<image type="source" width="[0-9]*" height="[0-9]*"' "$metainfo" | grep -o '[0-9]*' | paste -sd x)
[ "$(identify -format '%wx%h' "$shot")" = "$size" ] || fail "screenshot is $(identify -format '%wx%h' "$shot"), metadata says $size"
echo "metainfo: ok"
