#!/usr/bin/env python3
"""Suggests translations for the unfinished entries of a .ts file refreshed by
lupdate with its vanished entries kept: a text whose source differs from a
vanished one of the same context only a little (a corrected spelling, a word
changed) gets that entry's translation as its suggestion, still unfinished,
for the translator to review. Used by scripts/update-translations.sh."""
import difflib
import re
import sys

MIN_SIMILARITY = 0.8

MESSAGE = re.compile(r'<message>.*?</message>', re.S)
SOURCE = re.compile(r'<source>(.*?)</source>', re.S)
TRANSLATION = re.compile(r'<translation( type="(\w+)")?>(.*?)</translation>', re.S)


def main(path):
    with open(path, encoding='utf-8') as f:
        text = f.read()
    suggested = 0
    out = []
    for context in re.split(r'(?=<context>)', text):
        vanished = []
        for message in MESSAGE.findall(context):
            t = TRANSLATION.search(message)
            if t and t.group(2) in ('vanished', 'obsolete') and t.group(3):
                vanished.append((SOURCE.search(message).group(1), t.group(3)))

        def suggest(match):
            nonlocal suggested
            message = match.group(0)
            t = TRANSLATION.search(message)
            if not t or t.group(2) != 'unfinished' or t.group(3):
                return message
            source = SOURCE.search(message).group(1)
            best, score = None, MIN_SIMILARITY
            for old_source, old_translation in vanished:
                ratio = difflib.SequenceMatcher(None, source, old_source).ratio()
                if ratio >= score:
                    best, score = old_translation, ratio
            if best is None:
                return message
            suggested += 1
            return message.replace(t.group(0), '<translation type="unfinished">%s</translation>' % best)

        out.append(MESSAGE.sub(suggest, context))
    with open(path, 'w', encoding='utf-8') as f:
        f.write(''.join(out))
    if suggested:
        print('    Suggested %d translation(s) from changed texts' % suggested)


if __name__ == '__main__':
    for name in sys.argv[1:]:
        main(name)
