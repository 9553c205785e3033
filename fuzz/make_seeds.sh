#!/usr/bin/env bash
# Writes the seed corpora of the fuzz targets into OUT/<target>/: a few
# small inputs of our own that reach the interesting branches at once (a
# settings file that loads, one of each fault, headers with odd bytes,
# scripts with every escape). The fuzzer grows its own corpus from these.
set -euo pipefail
out="${1:?usage: make_seeds.sh OUT}"
rm -rf "$out"
mkdir -p "$out/settings" "$out/header" "$out/cp932" "$out/script"

sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }

# Settings: 22 lines, CR LF, code page 932. $1..$22 are the lines.
settings() {
  local line
  for line in "$@"; do sjis "$line"; printf '\r\n'; done
}
good=("Vexmorel settings" "" "note" "note" "note" "note" "note" "山田 花子" "folder"
      "/tmp/絵" "aspect" "4" "3" "" "presets" "OFfSNDx" "2" "ASN" "3" "TX" "4" "")
settings "${good[@]}" > "$out/settings/loads"
bad_aspect=("${good[@]}"); bad_aspect[11]="100"
settings "${bad_aspect[@]}" > "$out/settings/aspect-100"
empty_author=("${good[@]}"); empty_author[7]=""; empty_author[12]="4294967297"
settings "${empty_author[@]}" > "$out/settings/empty-author-wrapping-aspect"
long=("${good[@]}"); long[7]="$(printf 'a%.0s' {1..300})"; long[9]="$(printf 'd%.0s' {1..258})"
settings "${long[@]}" > "$out/settings/long-lines"
settings "${good[@]:0:10}" > "$out/settings/cut-after-line-10"
{ settings "${good[@]:0:3}"; printf 'tab\there\r\n'; settings "${good[@]:4}"; } \
  > "$out/settings/tab"
{ settings "${good[@]}"; for _ in $(seq 40); do printf '%0200d\r\n' 0; done; } \
  > "$out/settings/too-large"
printf 'Vexmorel settings\n\n' > "$out/settings/lf-only"
: > "$out/settings/empty"

# Headers: 120 bytes, then 16 bytes of FileStamp fields, then a TZ value.
header() {  # $1 author (UTF-8), $2 main title bytes (printf format), $3 tail
  printf 'P2DT'
  printf '%-18.18s' "$(sjis "$1")"
  printf '%-8s' Sub
  printf '\xa0\xa1'
  printf "$2"
  printf '\xa0\xa1'
  printf '%-30s' Saver
  printf '\xa0\xa1\xa2\xa3\xa4'
  printf '\x01\x00\x07\x3b\x9a\xca\x00'
  printf '\xa0\xa1\xa2\xa3'
  printf '\x00\x08\x00\x04\x00\x03\x02\x80\x01\x90'
  printf "$3"
}
stamp='\x07\xe5\x00\x03\x00\x04\x00\x04\x00\x0e\x00\x06\x00\x07\x00\x00'
header "Taro" 'Title                         ' "${stamp}JST-9" > "$out/header/valid"
header "山田 花子" '\x81\x20\xfdzzzzzzzzzzzzzzzzzzzzzzzzzzz' "$stamp" > "$out/header/odd-bytes"
header "a" 'Ti\x00le                         ' '' > "$out/header/nul-in-title"
head -c 120 /dev/zero > "$out/header/zeros"
head -c 136 /dev/zero | tr '\0' '\377' > "$out/header/ones"

# Code page 932 texts: paths, both delimiters, odd and doubly coded bytes.
sjis 'C:\pics\ソ.p2' > "$out/cp932/yen-path"
sjis '/tmp/絵/表/a.p2' > "$out/cp932/slash-path"
printf '\x82\x20\xfd\xa0\x80\xff\x82' > "$out/cp932/odd-bytes"
printf '\xed\x40\x87\x90\xfa\x5c\xee\xfc\x81\xca' > "$out/cp932/two-codes"
printf '\xb1\xb2\xdf\xa1abc' > "$out/cp932/half-width"

# Driver scripts.
cat > "$out/script/example" <<'SCRIPT'
exe "/tmp/t/vexmorel"
arg "/tmp/t/a.p2"
env TZ "UTC"
start
key Enter
type Author "山田\x82\"\\\r\n\t"
answer yes
click BtWrite
key Ctrl+Shift+F12
SCRIPT
printf 'type EFileName "\\x8\n# comment\n\t click "unterminated\nword"quote\n"a"b\n' \
  > "$out/script/errors"
printf 'choose "\xed\x40\x82"\nkey F13\nkey Alt+F1\n' > "$out/script/raw-bytes"
