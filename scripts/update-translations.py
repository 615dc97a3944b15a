#!/usr/bin/env python3
"""Keeps translations/zamanix_<code>.ts in step with the sources, and checks
that every shipped language is complete.

Usage:
  update-translations.py [SOURCE_ROOT]          update the .ts files (lupdate)
  update-translations.py --check [SOURCE_ROOT]  update copies in a temporary
      folder and fail (status 1) on any text of the sources that a language
      lacks or leaves unfinished, or whose translation loses a placeholder,
      the keys after a tab or the one mnemonic; the CTest test
      translations_test

Every text the user reads is marked in the sources for lupdate: tr(),
QCoreApplication::translate and QT_TRANSLATE_NOOP in the windows, and below
Qt the functions of text/translate.h, which lupdate learns here as aliases.
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

LANGUAGES = ["ar", "ur", "fa", "tr", "ms", "id", "fr"]
# Folders that hold no program texts.
NOT_PROGRAM = {"tests", "bench", "packaging", "scripts", "docs", "translations", ".git", ".ci"}
LUPDATE = "/usr/lib/qt6/bin/lupdate"
OPTIONS = [
    "-tr-function-alias",
    "translate+=Translate,translate+=TranslateCount,QT_TRANSLATE_NOOP+=ZX_TRANSLATE_NOOP",
    "-locations", "none", "-no-ui-lines", "-silent",
]
PLACEHOLDER = re.compile(r"%(?:n|\d{1,2})")


def program_sources(root):
    files = []
    for top in sorted(os.listdir(root)):
        path = os.path.join(root, top)
        if top in NOT_PROGRAM or top.startswith("build") or not os.path.isdir(path):
            continue
        for folder, _, names in os.walk(path):
            files += [os.path.join(folder, n) for n in sorted(names) if n.endswith((".cpp", ".h"))]
    return files


def run_lupdate(root, ts_folder):
    sources = program_sources(root)
    for code in LANGUAGES:
        ts = os.path.join(ts_folder, "zamanix_%s.ts" % code)
        subprocess.run([LUPDATE, *sources, *OPTIONS, "-I", root, "-target-language", code,
                        "-ts", ts], check=True, cwd=root)


def mnemonics(text):
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def problems_of(source, translation):
    found = []
    wanted = sorted(set(PLACEHOLDER.findall(source)) - {"%n"})
    got = sorted(set(PLACEHOLDER.findall(translation)) - {"%n"})
    if wanted != got:
        found.append("placeholders %s, not %s" % (" ".join(got) or "none", " ".join(wanted) or "none"))
    if "\t" in source and source.split("\t", 1)[1] != translation.partition("\t")[2]:
        found.append("the keys after the tab differ")
    if mnemonics(source) != mnemonics(translation):
        found.append("%d mnemonics, not %d" % (mnemonics(translation), mnemonics(source)))
    return found


def check_file(ts):
    """The problems of one .ts file, as lines to print."""
    lines = []
    tree = ElementTree.parse(ts)
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type", "")
            if kind in ("vanished", "obsolete"):
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            where = "%s: [%s] %r" % (os.path.basename(ts), name, source[:60])
            if kind == "unfinished" or not all(f.strip() for f in forms):
                lines.append("%s: unfinished or untranslated" % where)
                continue
            for form in forms:
                lines += ["%s: %s" % (where, p) for p in problems_of(source, form)]
    return lines


def main(argv):
    check = "--check" in argv
    args = [a for a in argv if a != "--check"]
    root = os.path.abspath(args[0] if args else os.path.join(os.path.dirname(__file__), ".."))
    ts_root = os.path.join(root, "translations")
    if not check:
        run_lupdate(root, ts_root)
        return 0
    with tempfile.TemporaryDirectory() as temporary:
        for code in LANGUAGES:
            name = "zamanix_%s.ts" % code
            if os.path.exists(os.path.join(ts_root, name)):
                shutil.copy(os.path.join(ts_root, name), temporary)
        run_lupdate(root, temporary)
        lines = []
        for code in LANGUAGES:
            lines += check_file(os.path.join(temporary, "zamanix_%s.ts" % code))
    for line in lines:
        print(line)
    if lines:
        print("%d problems; translate them in translations/*.ts (scripts/update-translations.py "
              "brings new texts in)" % len(lines))
    return 1 if lines else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
