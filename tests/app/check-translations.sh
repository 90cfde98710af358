#!/usr/bin/env bash
# Every text a player sees has its English translation: lupdate reads the
# windows' sources into a copy of resources/tilelab_en.ts; a text added to the
# code comes back unfinished, as does any entry left untranslated.
# Usage: check-translations.sh path/to/lupdate <source folder>
set -euo pipefail
lupdate=$1
src=$(readlink -f "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A Japanese text in the windows goes through tr(); left out are the font names,
# the application's internal name and the plain code's messages, which the
# error display translates.
untranslated=$(cd "$src" && LC_ALL=C.UTF-8 grep -nP '(QStringLiteral|fromUtf8)\("[^"]*[^\x00-\x7F]' ui/*.cpp app/*.cpp |
  grep -v -e '^ui/Tfonts1\.cpp:' -e 'setApplication\(Display\)\?Name' -e 'throw ' || true)
if [ -n "$untranslated" ]; then
  echo "$untranslated"
  echo "FAIL: the texts above are shown untranslated: wrap them in tr()"
  exit 1
fi

cp "$src/resources/tilelab_en.ts" "$work/tilelab_en.ts"
"$lupdate" -silent -no-obsolete -locations none -source-language ja -I "$src" "$src/ui" "$src/app" -ts "$work/tilelab_en.ts"
cmp -s "$src/resources/tilelab_en.ts" "$work/tilelab_en.ts" || {
  diff -u "$src/resources/tilelab_en.ts" "$work/tilelab_en.ts" || true
  echo "FAIL: resources/tilelab_en.ts is behind the sources: run 'cmake --build build --target update_translations' and translate"
  exit 1
}
if grep -n -B2 -e 'type="unfinished"' -e '<translation></translation>' "$work/tilelab_en.ts"; then
  echo "FAIL: texts above have no English translation"
  exit 1
fi
echo "translations: $(grep -c '<source>' "$work/tilelab_en.ts") texts, all in English"
