#!/usr/bin/env bash
# The manual pages render without a single groff warning and describe every
# option the programs' own --help lists. Exit 77 where man is missing.
# $1: the build folder; $2: the veltrano executable; $3: the rtfconv executable.
set -u
command -v man >/dev/null || { echo "SKIPPED: man is missing (apt install man-db)"; exit 77; }
fail() { echo "FAIL: $*" >&2; exit 1; }
check_page() { # $1: the build folder, $2: the executable, $3: its name
    local page="$1/man/$3.1.gz" warnings options option
    [ -f "$page" ] || fail "no $page"
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$3.1 renders with warnings: $warnings"
    options=$(env -u DISPLAY "$2" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u)
    [ -n "$options" ] || fail "$3 --help lists no options"
    for option in $options; do
        LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" 2>/dev/null | grep -q -- "$option" || fail "$3.1 does not describe $option"
    done
}
check_page "$1" "$2" veltrano
check_page "$1" "$3" rtfconv
echo "man pages: ok"
