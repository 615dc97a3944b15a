#!/usr/bin/env python3
"""Pours translations into translations/zamanix_<code>.ts by English source
text: every message of a .ts file whose source (and, for a count, whose
English singular) a table gives is filled and marked finished. Messages the
tables do not give are left as they are.

Usage:
  fill-translations.py CODE TABLE.tsv...      tables of our own
  fill-translations.py --l10n FOLDER [CODE...] a translator's delivery:
      FOLDER/sources.tsv (id, where, note, English) and FOLDER/<code>.tsv
      (id, translation)

A table of our own has one line per text: the English text, a tab, and the
translation; for a count, the English plural ("%n days"), a tab, the
English singular, and a tab before each of the language's plural forms, in
Qt's order for the language. Tabs and line breaks in texts are written as
\\t and \\n.
"""

import os
import re
import sys
import xml.etree.ElementTree as ElementTree

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), ".."))
LANGUAGES = ["ar", "ur", "fa", "tr", "ms", "id", "fr"]


def unescape(text):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t", "\\": "\\"}.get(m.group(1), m.group(0)),
                  text)


def l10n_table(folder, code):
    """English text -> [translation] from a translator's delivery."""
    english = {}
    with open(os.path.join(folder, "sources.tsv"), encoding="utf-8") as sources:
        for line in sources:
            fields = line.rstrip("\n").split("\t")
            english[fields[0]] = unescape(fields[3])
    table = {}
    with open(os.path.join(folder, code + ".tsv"), encoding="utf-8") as translated:
        for line in translated:
            number, text = line.rstrip("\n").split("\t", 1)
            table[(english[number], None)] = [unescape(text)]
    return table


def own_table(path):
    table = {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = [unescape(f) for f in line.split("\t")]
            if len(fields) > 2:
                table[(fields[0], fields[1])] = fields[2:]
            else:
                table[(fields[0], None)] = fields[1:2]
    return table


def printf_numbered(source, text):
    """A translation written with %1.. for a source that counts with %u."""
    if "%u" in source and "%1" not in source:
        return re.sub(r"%\d", "%u", text)
    return text


def fill(code, table):
    path = os.path.join(ROOT, "translations", "zamanix_%s.ts" % code)
    tree = ElementTree.parse(path)
    filled = 0
    for message in tree.getroot().iter("message"):
        source = message.findtext("source") or ""
        singular = message.findtext("comment")
        translation = message.find("translation")
        numerus = message.get("numerus") == "yes"
        forms = table.get((source, singular if numerus else None))
        if forms is None:
            continue
        if numerus:
            slots = list(translation.iter("numerusform"))
            if len(forms) != len(slots):
                print("%s: %r needs %d forms, the table gives %d" % (code, source, len(slots),
                                                                  len(forms)))
                continue
            for slot, form in zip(slots, forms):
                slot.text = form
        else:
            translation.text = printf_numbered(source, forms[0])
        translation.attrib.pop("type", None)
        filled += 1
    tree.write(path, encoding="utf-8", xml_declaration=True)
    with open(path, encoding="utf-8") as written:
        text = written.read()
    # As lupdate writes it, so that its next run changes nothing else.
    text = text.replace("<?xml version='1.0' encoding='utf-8'?>",
                        '<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>')
    with open(path, "w", encoding="utf-8") as out:
        out.write(text if text.endswith("\n") else text + "\n")
    return filled


def main(argv):
    if argv and argv[0] == "--l10n":
        folder, codes = argv[1], argv[2:] or LANGUAGES
        for code in codes:
            print("%s: %d filled" % (code, fill(code, l10n_table(folder, code))))
        return 0
    if len(argv) < 2:
        print(__doc__)
        return 2
    table = {}
    for path in argv[1:]:
        table.update(own_table(path))
    print("%s: %d filled" % (argv[0], fill(argv[0], table)))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
