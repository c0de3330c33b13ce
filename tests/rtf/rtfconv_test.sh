#!/bin/sh
# rtfconv from outside: text, HTML and RTF output, and a one-line error with
# status 1 for a file it cannot read.
set -u
conv=$1
fixtures=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
check() { if [ "$1" != 0 ]; then echo "FAIL: $2"; failures=$((failures + 1)); else echo "ok: $2"; fi; }

"$conv" --to text "$fixtures/richedit-1251.rtf" > "$tmp/out.txt"
check $? "text exits 0"
[ "$(head -n 1 "$tmp/out.txt")" = "Проект Альфа" ]; check $? "text is UTF-8 Cyrillic"
[ "$(sed -n 3p "$tmp/out.txt")" = "$(printf 'Код\tёлка № 5')" ]; check $? "text keeps tabs"

"$conv" --to html "$fixtures/richedit-1251.rtf" > "$tmp/out.html"
check $? "html exits 0"
grep -q 'font-weight:700;">Задачи' "$tmp/out.html"; check $? "html shows bold"
grep -q 'align="center"' "$tmp/out.html"; check $? "html shows alignment"
"$conv" --to html "$fixtures/libreoffice-formats.rtf" | grep -q 'src="data:image/png;base64,iVBORw0KGgo'
check $? "html carries the picture"

"$conv" --to rtf "$fixtures/formats.html" > "$tmp/from-html.rtf"
check $? "html to rtf exits 0"
head -c 11 "$tmp/from-html.rtf" | grep -q '^{\\rtf1\\ansi'; check $? "rtf header"
"$conv" --to text "$tmp/from-html.rtf" | grep -q 'Кириллица: Привет, мир!'; check $? "html to rtf keeps text"
"$conv" --to rtf "$fixtures/plain.txt" > "$tmp/from-text.rtf"
[ "$("$conv" --to text "$tmp/from-text.rtf")" = "$(cat "$fixtures/plain.txt")" ]; check $? "txt to rtf and back"
"$conv" --to rtf "$fixtures/richedit-1252.rtf" > "$tmp/again.rtf"
[ "$("$conv" --to text "$tmp/again.rtf")" = "$("$conv" --to text "$fixtures/richedit-1252.rtf")" ]
check $? "rtf rewritten keeps text"

"$conv" --to text "$tmp/missing.rtf" > "$tmp/stdout" 2> "$tmp/stderr"
[ $? = 1 ]; check $? "missing file exits 1"
[ "$(wc -l < "$tmp/stderr")" = 1 ] && grep -q missing.rtf "$tmp/stderr"; check $? "one-line error naming the file"
[ ! -s "$tmp/stdout" ]; check $? "nothing on stdout"
printf 'not rich text' > "$tmp/fake.rtf"
"$conv" --to text "$tmp/fake.rtf" 2> "$tmp/stderr2" > /dev/null
[ $? = 1 ] && [ "$(wc -l < "$tmp/stderr2")" = 1 ]; check $? "non-RTF .rtf exits 1 with one line"

[ "$failures" = 0 ]
