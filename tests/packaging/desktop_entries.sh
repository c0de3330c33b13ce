#!/bin/sh
# Every desktop entry of ours passes desktop-file-validate. $@: the entries.
# Exit 77 (skipped) where the validator is missing.
command -v desktop-file-validate >/dev/null || { echo "SKIPPED: desktop-file-validate is missing (apt install desktop-file-utils)"; exit 77; }
[ $# -gt 0 ] || { echo "FAIL: no desktop entry found in the sources"; exit 1; }
desktop-file-validate "$@" && echo "desktop entries: ok ($*)"
