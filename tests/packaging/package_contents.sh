#!/usr/bin/env bash
# The .deb that `cpack -G DEB` makes: its name and version, exactly the files
# a user needs and nothing else, stripped programs, and a Depends line with
# the libraries the programs link and the packages they only call at run time.
# $1: the build folder; $2: the project version; $3: the run-time packages,
# comma-separated. Exit 77 (skipped) where the Debian tools are missing.
set -u
build=$1
version=$2
runtime=$3
for tool in dpkg-deb dpkg-shlibdeps file; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is missing (apt install dpkg-dev file)"; exit 77; }
done
out=$(mktemp -d /tmp/veltrano-deb.XXXXXX)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && timeout 240 cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; fail "cpack -G DEB failed"; }
debs=("$out"/veltrano_"$version"_*.deb)
[ -f "${debs[0]}" ] || fail "no veltrano_${version}_<arch>.deb in: $(ls "$out")"
deb=${debs[0]}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = veltrano ] || fail "package name: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "version $(field Version), project $version"
[ -n "$(field Maintainer)" ] || fail "no maintainer"
[ -n "$(field Section)" ] || fail "no section"
[ "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 2 ] || fail "no long description"

expected="./usr/bin/rtfconv
./usr/bin/veltrano
./usr/lib/veltrano/veltrano-print.so
./usr/lib/veltrano/veltrano-sound.so
./usr/share/applications/veltrano.desktop
./usr/share/icons/hicolor/128x128/apps/veltrano.png
./usr/share/icons/hicolor/48x48/apps/veltrano.png
./usr/share/icons/hicolor/scalable/apps/veltrano.svg
./usr/share/man/man1/rtfconv.1.gz
./usr/share/man/man1/veltrano.1.gz
./usr/share/metainfo/org.veltrano.Veltrano.metainfo.xml
./usr/share/veltrano/Help/index.htm"
files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
[ "$files" = "$expected" ] || fail "files in the package differ:
$(diff <(echo "$expected") <(echo "$files"))"

dpkg-deb -x "$deb" "$out/root"
for exe in bin/veltrano bin/rtfconv lib/veltrano/veltrano-print.so lib/veltrano/veltrano-sound.so; do
    file -b "$out/root/usr/$exe" | grep -q ', stripped' || fail "usr/$exe is not stripped"
done
gzip -t "$out/root/usr/share/man/man1/veltrano.1.gz" || fail "veltrano.1.gz is not gzip"

depends=$(field Depends)
IFS=, read -r -a wanted <<<"$runtime"
# libqt6multimedia6 and libqt6printsupport6 come from the sound and printing
# modules, which the program loads when they are first used.
for package in "${wanted[@]}" libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libxcb1; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
echo "package contents: ok ($(basename "$deb"), Depends: $depends)"
