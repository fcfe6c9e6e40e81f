#!/usr/bin/env bash
# Refreshes po/quintrel.pot, the template of the desktop entry's and the
# AppStream metadata's words, and merges it into each language's .po file.
set -euo pipefail
cd "$(dirname "$0")/.."
xgettext --from-code=UTF-8 --package-name=quintrel -o po/quintrel.pot \
  assets/desktop/org.example.quintrel.desktop.in assets/desktop/org.example.quintrel.metainfo.xml.in
for lang in $(cat po/LINGUAS); do
  if [ -f "po/$lang.po" ]; then
    msgmerge --quiet --update --no-fuzzy-matching --backup=none "po/$lang.po" po/quintrel.pot
  else
    msginit --no-translator --locale="$lang.UTF-8" -i po/quintrel.pot -o "po/$lang.po"
  fi
done
