#!/usr/bin/env python3
"""Lists German and French translations that are their English source word
for word: a phrase of three words or more left in English. Command usage
lines ("tallowby report [options] ...") stay as they are."""
import glob
import html
import re
import sys

pattern = re.compile(r'<source>([^<]*)</source>\s*(?:<extracomment>[^<]*</extracomment>\s*)?'
                     r'<translation>([^<]*)</translation>')
found = 0
for path in sorted(glob.glob('translations/*_de.ts') + glob.glob('translations/*_fr.ts')):
    with open(path, encoding='utf-8') as f:
        text = f.read()
    for m in pattern.finditer(text):
        source = html.unescape(m.group(1))
        if source != html.unescape(m.group(2)) or source.startswith('tallowby '):
            continue
        if len(re.findall(r'[A-Za-z]{2,}', source)) >= 3:
            print(f'{path}: left in English: {source!r}', file=sys.stderr)
            found += 1
sys.exit(1 if found else 0)
