#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Remakes the seed corpora of the TMX and XLIFF fuzz targets: the libraries
# the sample descriptions make, their gettext maps as zbl writes them (as
# they are, translated by msgen and msgfilter, and with two entries fuzzy),
# converted by Translate Toolkit's po2xliff and po2tmx. Run from the
# repository with the default build made.
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
ZBL="$ROOT/build/cli/zbl"
MKSAMPLE="$ROOT/build/tools/zbl-mksample"
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
# The converters name the catalogue as given; a bare name keeps paths out.
cd "$WORK"
for description in "$ROOT"/fuzz/seeds/*.txt "$ROOT/examples/sample.txt"; do
  name=$(basename "$description" .txt)
  "$MKSAMPLE" "$description" "$WORK/$name.zbl"
  "$ZBL" map "$WORK/$name.zbl" --format po > "$WORK/$name.po"
  po2xliff --progress=none "$name.po" "$ROOT/fuzz/corpus-xliff/$name-untranslated.xlf"
  # A library without categories has a catalogue of its header alone.
  grep -q '^msgid "[^"]' "$WORK/$name.po" || continue
  msgen -o "$WORK/$name-en.po" "$WORK/$name.po"
  msgfilter -i "$WORK/$name-en.po" -o "$WORK/$name-t.po" sed -e 's/^/X /'
  po2xliff --progress=none "$name-t.po" "$ROOT/fuzz/corpus-xliff/$name-translated.xlf"
  po2tmx --progress=none -l de "$name-t.po" "$ROOT/fuzz/corpus-tmx/$name.tmx"
done
# Fuzzy entries, which po2xliff keeps with their text and po2tmx drops.
awk 'BEGIN { RS = ""; ORS = "\n\n" } NR == 3 || NR == 5 { sub(/\nmsgid/, "\n#, fuzzy\nmsgid") } 1' \
  "$WORK/sample-t.po" > "$WORK/sample-fuzzy.po"
po2xliff --progress=none sample-fuzzy.po "$ROOT/fuzz/corpus-xliff/sample-fuzzy.xlf"
