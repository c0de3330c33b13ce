#!/usr/bin/env bash
# rtfconv from outside, as a shell user meets it: its command line, pictures
# without a display, output that cannot be written, and input it must refuse
# before reading it whole.
# $1: the rtfconv executable; $2: the RTF fixtures folder; $3: the project version.
set -u
conv=$1
fixtures=$2
version=$3
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
check() { if [ "$1" != 0 ]; then echo "FAIL: $2"; failures=$((failures + 1)); else echo "ok: $2"; fi; }
# Runs rtfconv with stdout and stderr in files, no display; sets $rc.
run() { env -u DISPLAY -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY timeout 60 "$conv" "$@" >"$tmp/out" 2>"$tmp/err"; rc=$?; }
one_line_error() { [ "$(wc -l <"$tmp/err")" = 1 ] && grep -q "$1" "$tmp/err"; }
# An unbounded read fails fast under a memory ceiling instead of eating the
# machine; AddressSanitizer's shadow memory cannot live under one.
memory_ceiling() { ldd "$conv" | grep -q libasan || ulimit -v 2000000; }

# Command line.
run --help
[ $rc = 0 ] && grep -q -- '--to' "$tmp/out" && [ ! -s "$tmp/err" ]; check $? "--help: usage on stdout, exit 0"
run -h
[ $rc = 0 ] && grep -q -- '--to' "$tmp/out"; check $? "-h: usage on stdout, exit 0"
run --version
[ $rc = 0 ] && [ "$(cat "$tmp/out")" = "rtfconv $version" ]; check $? "--version prints rtfconv $version"
run --frobnicate --to text "$fixtures/plain.txt"
[ $rc = 2 ] && one_line_error frobnicate && [ ! -s "$tmp/out" ]; check $? "unknown option: one line, exit 2"
run --to pdf "$fixtures/plain.txt"
[ $rc = 2 ] && one_line_error pdf; check $? "unknown output kind: one line, exit 2"
run --to text a.rtf b.rtf
[ $rc = 2 ] && one_line_error 'one FILE'; check $? "two files: one line, exit 2"
run --to text < "$fixtures/richedit-1251.rtf"
[ $rc = 0 ] && [ "$(head -n 1 "$tmp/out")" = "Проект Альфа" ]; check $? "no FILE reads standard input"
run --to text - < "$fixtures/richedit-1251.rtf"
[ $rc = 0 ] && [ "$(head -n 1 "$tmp/out")" = "Проект Альфа" ]; check $? "- reads standard input"
run --to rtf - < "$fixtures/formats.html"
[ $rc = 0 ] && head -c 11 "$tmp/out" | grep -q '^{\\rtf1'; check $? "HTML on standard input is recognised"

# Pictures need no window system: the same picture twice, a data URL and a
# picture file beside an HTML page.
png_hex=$(od -An -v -tx1 "$fixtures/red.png" | tr -d ' \n')
printf '{\\rtf1\\ansi {\\pict\\pngblip %s}{\\pict\\pngblip %s}}' "$png_hex" "$png_hex" > "$tmp/twice.rtf"
run --to html "$tmp/twice.rtf"
[ $rc = 0 ] && [ "$(grep -o 'src="data:image/png;base64,iVBORw0KGgo' "$tmp/out" | wc -l)" = 2 ] && [ ! -s "$tmp/err" ]
check $? "the same picture twice to HTML: both inline, exit 0"
run --to text "$tmp/twice.rtf"
[ $rc = 0 ]; check $? "the same picture twice to text"
mkdir "$tmp/page"
cp "$fixtures/red.png" "$tmp/page/red.png"
printf '<html><body><p>a<img src="red.png"></p></body></html>' > "$tmp/page/file.html"
printf '<html><body><p>b<img src="data:image/png;base64,%s"></p></body></html>' \
    "$(base64 -w0 "$fixtures/red.png")" > "$tmp/page/data.html"
run --to rtf "$tmp/page/file.html"
[ $rc = 0 ] && grep -q 'pngblip' "$tmp/out"; check $? "picture file beside the HTML page kept in RTF"
run --to rtf "$tmp/page/data.html"
[ $rc = 0 ] && grep -q 'pngblip' "$tmp/out"; check $? "data URL picture kept in RTF"
run --to html "$tmp/page/data.html"
[ $rc = 0 ] && grep -q 'src="data:image/png;base64,iVBORw0KGgo' "$tmp/out"; check $? "data URL picture kept in HTML"

# Output that cannot be written is a failure, not a cut file and exit 0.
head -c 10240 /dev/urandom | base64 > "$tmp/ten.txt"
env -u DISPLAY timeout 60 "$conv" --to text "$tmp/ten.txt" >/dev/full 2>"$tmp/err"; rc=$?
[ $rc = 1 ] && one_line_error 'cannot write'; check $? "10 KB of text to /dev/full: one line, exit 1"
env -u DISPLAY timeout 60 "$conv" --to text "$fixtures/plain.txt" >/dev/full 2>"$tmp/err"; rc=$?
[ $rc = 1 ] && one_line_error 'cannot write'; check $? "a few bytes to /dev/full (caught at the flush): exit 1"
# A nearly full file system: the file may grow to 4 KB; the HTML is larger.
(trap '' XFSZ; ulimit -f 4; exec env -u DISPLAY timeout 60 "$conv" --to html "$tmp/ten.txt") \
    >"$tmp/cut.html" 2>"$tmp/err"; rc=$?
[ $rc = 1 ] && one_line_error 'cannot write'; check $? "HTML to a nearly full file system: one line, exit 1"

# Input it must refuse before reading it whole.
(memory_ceiling; exec env -u DISPLAY timeout 30 "$conv" --to text /dev/zero) >/dev/null 2>"$tmp/err"; rc=$?
[ $rc = 1 ] && one_line_error 'not a regular file'; check $? "/dev/zero refused: one line, exit 1"
run --to text "$tmp"
[ $rc = 1 ] && one_line_error 'not a regular file'; check $? "a folder refused"
mkfifo "$tmp/fifo"
env -u DISPLAY timeout 10 "$conv" --to text "$tmp/fifo" >/dev/null 2>"$tmp/err"; rc=$?
[ $rc = 1 ] && one_line_error 'not a regular file'; check $? "a named pipe refused without waiting for a writer"
truncate -s 3G "$tmp/sparse.rtf"
(memory_ceiling; exec env -u DISPLAY timeout 30 "$conv" --to text "$tmp/sparse.rtf") >/dev/null 2>"$tmp/err"; rc=$?
[ $rc = 1 ] && one_line_error '512 MB'; check $? "a 3 GB file refused before reading"
rm -f "$tmp/sparse.rtf"
(memory_ceiling; exec env -u DISPLAY timeout 60 "$conv" --to text - </dev/zero) >/dev/null 2>"$tmp/err"; rc=$?
[ $rc = 1 ] && one_line_error '512 MB'; check $? "endless standard input stopped at the limit"

[ "$failures" = 0 ]
