#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every relative link in the README and in docs/ leads to a file that exists (a link's #part is
# not checked):  tests/doc_links.sh <source dir>
set -eu
cd "$1"
links=$(for page in README.md docs/*.md; do
    grep -o '](\([^)#]*\)' "$page" | cut -c3- | grep -v '^[a-z]*:' | sed "s|^|$(dirname "$page")/|" || true
done)
missing=$(echo "$links" | while read -r target; do [ -e "$target" ] || echo "$target"; done)
echo "$(echo "$links" | wc -l) links checked; to no file: ${missing:-none}"
[ -z "$missing" ] && [ "$(echo "$links" | wc -l)" -ge 10 ]
