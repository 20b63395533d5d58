#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Japanese is the source language: every entry of translations/tesseran_ja.ts
# reads as its source. After `update-translations` adds entries, this fills
# the Japanese file's new ones with their source text, so that it has none
# unfinished (the English file is translated by hand).
#
#   scripts/fill-source-translations.py [translations/tesseran_ja.ts]
import re
import sys

path = sys.argv[1] if len(sys.argv) > 1 else "translations/tesseran_ja.ts"
with open(path, encoding="utf-8") as file:
    text = file.read()


def fill(match):
    source = match.group(1)
    return "<source>%s</source>\n        <translation>%s</translation>" % (source, source)


filled, count = re.subn(
    r"<source>((?:(?!</source>).)*)</source>\s*<translation type=\"unfinished\"></translation>", fill, text,
    flags=re.S)
with open(path, "w", encoding="utf-8") as file:
    file.write(filled)
print("%s: %d entries filled with their source" % (path, count))
