#!/bin/sh
# Every text of the sources has a finished English translation: lupdate run
# over the sources into a copy of the translation file adds no unfinished
# entry and leaves none obsolete.
# Usage: translations_complete.sh LUPDATE SOURCE_DIR
set -eu
lupdate=$1
src=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$src/translations/vestrel_en.ts" "$work/vestrel_en.ts"
cd "$src"
find app logic tools/render -name '*.cpp' -o -name '*.h' | sort > "$work/sources.lst"
"$lupdate" -I . -tr-function-alias translate+=VT,QT_TRANSLATE_NOOP+=VT_NOOP -locations none \
  "@$work/sources.lst" -ts "$work/vestrel_en.ts" > "$work/lupdate.log" 2>&1 || { cat "$work/lupdate.log"; exit 1; }
bad=$(grep -c 'type="\(unfinished\|vanished\|obsolete\)"' "$work/vestrel_en.ts" || true)
if [ "$bad" -ne 0 ]; then
  echo "$bad texts have no finished English translation (or are obsolete):"
  grep -B3 'type="\(unfinished\|vanished\|obsolete\)"' "$work/vestrel_en.ts" | grep '<source>' | head -40
  exit 1
fi
echo "every text has its English translation"
