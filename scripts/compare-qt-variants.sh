#!/usr/bin/env bash
# Usage: compare-qt-variants.sh BIN_A BIN_B SOURCE_DIR
# Lays out every sheet of the golden documents with the vellex-print of two builds (Qt 6
# and Qt 5.15): the page models must be byte-identical and every word of the PDFs must
# land within 0.05 mm of the same place.
set -euo pipefail
a=$1 b=$2 source=$3
for bin in "$a" "$b"; do
  [ -x "$bin/vellex-print" ] || { echo "no $bin/vellex-print: build both variants first"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VELLEX_PROGRAM_DIR="$work/program" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$VELLEX_PROGRAM_DIR" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
sheets="diploma supplement-spo page2 academic supplement-npo certificate certificate-supplement page3"
failed=0 pages=0

# "word x0 y0 x1 y1" per line, in millimetres, from pdftotext's bounding boxes; sorted,
# since the two builds may draw the boxes in another order.
words() {
  pdftotext -bbox "$1" - | sed -n 's/.*xMin="\([^"]*\)" yMin="\([^"]*\)" xMax="\([^"]*\)" yMax="\([^"]*\)">\([^<]*\)<.*/\5 \1 \2 \3 \4/p' |
    awk -v mm=$(awk 'BEGIN{print 25.4/72}') '{printf "%s %.4f %.4f %.4f %.4f\n", $1, $2*mm, $3*mm, $4*mm, $5*mm}' |
    LC_ALL=C sort -k1,1 -k3,3n -k2,2n
}

for edition in 0 1 2; do
  doc="$source/tests/data/storage/golden/current-v$edition-columns.app"
  rows=54
  [ "$edition" = 0 ] && rows=62
  mode=0
  [ "$rows" = 62 ] && mode=1
  ini="$work/v$edition.ini"
  printf '[Settings]\r\nVellexVersion=%s\r\nSaveStyle=0\r\nmode_N_Discipl=%s\r\n' "$edition" "$mode" >"$ini"
  for sheet in $sheets; do
    for bin in "$a" "$b"; do
      tag=$(basename "$(dirname "$bin")")-$(echo "$bin" | md5sum | cut -c1-6)
      "$bin/vellex-print" --sheet "$sheet" --doc "$doc" --ini "$ini" --format json \
        --out "$work/$tag.json" 2>/dev/null
      "$bin/vellex-print" --sheet "$sheet" --doc "$doc" --ini "$ini" --out "$work/$tag.pdf" 2>/dev/null
      words "$work/$tag.pdf" >"$work/$tag.words"
    done
    ta=$(basename "$(dirname "$a")")-$(echo "$a" | md5sum | cut -c1-6)
    tb=$(basename "$(dirname "$b")")-$(echo "$b" | md5sum | cut -c1-6)
    pages=$((pages + 1))
    if ! cmp -s "$work/$ta.json" "$work/$tb.json"; then
      echo "FAIL: edition $edition, $sheet: the page models differ"
      failed=1
    fi
    if ! paste -d' ' "$work/$ta.words" "$work/$tb.words" | awk '
        NF != 10 || $1 != $6 { bad = 1; print "word " NR ": " $1 " / " $6; exit }
        { for (i = 2; i <= 5; i++) { d = $i - $(i + 5); if (d < 0) d = -d; if (d > 0.05) { bad = 1; print $1 ": " d " mm"; exit } } }
        END { exit bad }' ||
       [ "$(wc -l <"$work/$ta.words")" != "$(wc -l <"$work/$tb.words")" ]; then
      echo "FAIL: edition $edition, $sheet: words of the PDFs differ"
      failed=1
    fi
  done
done
echo "$pages sheets compared"
exit $failed
