#!/usr/bin/python3
"""Checks translation files as a translator's editor would before they ship:

- every message translated (none unfinished, empty, vanished or obsolete);
- every placeholder (%1 ... %9) kept, as often as in the English;
- typographic quotation marks, never the ASCII '"';
- in a right-to-left language, no Latin letter or ASCII digit outside an isolate (U+2066,
  U+2067 or U+2068 ... U+2069), so that a Latin caption or formula keeps its place (but for
  a keyword list, whose words are matched as typed);
- in a right-to-left language, no ellipsis and no quotation mark but the mirrored « » ‹ ›
  outside an isolate: an ellipsis belongs to the text it cuts, and “ ” „ would point the wrong
  way;
- one style of quotation marks in a language, that of the message quoting a box's text
  ("%1"), as every report puts that quote beside its own marks;
- French spacing: a no-break space (U+00A0 or U+202F) before : ; ! ? and », and after «
  (not in a keyword list, nor the "!" of a factorial);
- no keyword that starts with a direction mark, which a search would take as part of the
  word: in a keyword list of a .ts file, and in the desktop entry's Keywords and the
  AppStream metadata's <keyword> elements written from them.

    check_ts.py FILE.ts|combicalc.desktop|combicalc.metainfo.xml...
                                (exits 1, naming each fault, if any file has one)
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
QUOTATION_MARKS = set("«»‹›“”„‟‚「」『』\"")
MIRRORED_QUOTATION_MARKS = set("«»‹›")
DIRECTION_MARKS = ("\u200E", "\u200F", "\u061C")
QUOTE_SOURCE = '"%1"'


def marked_keywords(words):
    for word in words:
        if word.startswith(DIRECTION_MARKS):
            yield f"the keyword {word!r} starts with a direction mark"


def faults_of(language, source, translation, quote_style):
    if collections.Counter(PLACEHOLDER.findall(source)) != collections.Counter(PLACEHOLDER.findall(translation)):
        yield f"placeholders {sorted(PLACEHOLDER.findall(source))} became {sorted(PLACEHOLDER.findall(translation))}"
    if '"' in translation:
        yield 'an ASCII " where the language has its own quotation marks'
    # A keyword list's words are matched as typed: no direction marks inside them.
    if language in RIGHT_TO_LEFT and not KEYWORD_LIST.match(source):
        for run in LATIN.findall(ISOLATED.sub("", PLACEHOLDER.sub("", translation))):
            yield f'"{run}" stands outside an isolate (U+2066 ... U+2069)'
    if language in RIGHT_TO_LEFT:
        outside = ISOLATED.sub("", translation)
        if "…" in outside:
            yield "an ellipsis outside an isolate, away from the text it cuts"
        for mark in sorted(set(outside) & (QUOTATION_MARKS - MIRRORED_QUOTATION_MARKS)):
            yield f"the quotation mark {mark} outside an isolate, which right to left points the wrong way"
    if quote_style is not None and source != QUOTE_SOURCE:
        for mark in sorted((set(translation) & QUOTATION_MARKS) - set(quote_style)):
            yield f"the quotation mark {mark} beside the {quote_style} that quotes a box's text"
    if KEYWORD_LIST.match(source):
        yield from marked_keywords(translation.split(";"))
    if language == "fr" and not KEYWORD_LIST.match(source):
        for match in FRENCH_UNSPACED.finditer(translation):
            yield f'no no-break space at "{translation[max(0, match.start() - 8):match.end() + 8]}"'


def quote_style_of(root):
    """The translation that quotes a box's text, where it has quotation marks."""
    for message in root.iter("message"):
        if message.findtext("source") == QUOTE_SOURCE:
            quote = message.findtext("translation") or ""
            return quote if set(quote) & QUOTATION_MARKS else None
    return None


def check_metadata(path):
    """The keywords of a desktop entry or an AppStream file written from the translations."""
    with open(path, encoding="utf-8") as file:
        text = file.read()
    if path.endswith(".desktop"):
        for line in text.splitlines():
            if line.startswith("Keywords"):
                for fault in marked_keywords(line.split("=", 1)[1].split(";")):
                    yield line.split("=", 1)[0], fault
    else:
        for keyword in ElementTree.fromstring(text).iter("keyword"):
            for fault in marked_keywords([keyword.text or ""]):
                yield "<keyword>", fault


def check(path):
    if not path.endswith(".ts"):
        yield from check_metadata(path)
        return
    root = ElementTree.parse(path).getroot()
    language = root.get("language", "").split("_")[0]
    quote_style = quote_style_of(root)
    for message in root.iter("message"):
        source = message.findtext("source")
        element = message.find("translation")
        kind = element.get("type") if element is not None else "missing"
        translation = element.text or "" if element is not None else ""
        if kind in ("unfinished", "vanished", "obsolete", "missing") or not translation:
            yield source, f"{kind or 'empty'} translation"
            continue
        for fault in faults_of(language, source, translation, quote_style):
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
