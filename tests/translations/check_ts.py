#!/usr/bin/python3
"""Checks translation files as a translator's editor would before they ship:

- every message translated (none unfinished, empty, vanished or obsolete);
- every placeholder (%1 ... %9) kept, as often as in the English;
- typographic quotation marks, never the ASCII '"';
- in a right-to-left language, no Latin letter or ASCII digit outside an isolate (U+2066,
  U+2067 or U+2068 ... U+2069), so that a Latin caption or formula keeps its place (but for
  a keyword list, whose words are matched as typed);
- French spacing: a no-break space (U+00A0 or U+202F) before : ; ! ? and », and after «
  (not in a keyword list, nor the "!" of a factorial).

    check_ts.py FILE.ts...      (exits 1, naming each fault, if any file has one)
"""
import collections
import re
import sys
import xml.etree.ElementTree as ElementTree

RIGHT_TO_LEFT = {"ar", "fa", "he", "ur"}
PLACEHOLDER = re.compile(r"%[1-9]")
ISOLATED = re.compile("[\u2066\u2067\u2068][^\u2069]*\u2069")
LATIN = re.compile(r"[A-Za-z0-9]+")
# "!" right after a letter or ")" is a factorial (n!), not punctuation.
FRENCH_UNSPACED = re.compile(r"(?<![\u00A0\u202F])[:;?»]|(?<![\u00A0\u202F\w)])!|«(?![\u00A0\u202F])")
KEYWORD_LIST = re.compile(r"^[^ ]+;$")


def faults_of(language, source, translation):
    if collections.Counter(PLACEHOLDER.findall(source)) != collections.Counter(PLACEHOLDER.findall(translation)):
        yield f"placeholders {sorted(PLACEHOLDER.findall(source))} became {sorted(PLACEHOLDER.findall(translation))}"
    if '"' in translation:
        yield 'an ASCII " where the language has its own quotation marks'
    # A keyword list's words are matched as typed: no direction marks inside them.
    if language in RIGHT_TO_LEFT and not KEYWORD_LIST.match(source):
        for run in LATIN.findall(ISOLATED.sub("", PLACEHOLDER.sub("", translation))):
            yield f'"{run}" stands outside an isolate (U+2066 ... U+2069)'
    if language == "fr" and not KEYWORD_LIST.match(source):
        for match in FRENCH_UNSPACED.finditer(translation):
            yield f'no no-break space at "{translation[max(0, match.start() - 8):match.end() + 8]}"'


def check(path):
    root = ElementTree.parse(path).getroot()
    language = root.get("language", "").split("_")[0]
    for message in root.iter("message"):
        source = message.findtext("source")
        element = message.find("translation")
        kind = element.get("type") if element is not None else "missing"
        translation = element.text or "" if element is not None else ""
        if kind in ("unfinished", "vanished", "obsolete", "missing") or not translation:
            yield source, f"{kind or 'empty'} translation"
            continue
        for fault in faults_of(language, source, translation):
            yield source, fault


def main():
    faults = 0
    for path in sys.argv[1:]:
        for source, fault in check(path):
            print(f"{path}: {source[:60]!r}: {fault}")
            faults += 1
    if faults:
        print(f"{faults} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
