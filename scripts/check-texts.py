#!/usr/bin/env python3
"""Checks that every text the user reads goes through the translation
pipeline: a string literal of the program's sources that reads as words of
English, or that is handed straight to a window's text, must stand inside
one of the calls the translation tools know (Translate, TranslateCount,
ZX_TRANSLATE_NOOP, tr, translate, QT_TRANSLATE_NOOP, QT_TR_NOOP, ...), or be
one of the few texts listed in scripts/untranslated-texts.txt with the
reason they stay as they are (machine formats, names of the profile's
sections, the printed output of the command-line programs).

Usage: check-texts.py [SOURCE_ROOT] [FOLDER...]   (default: every folder
of the program). Prints each text outside the pipeline as FILE:LINE: TEXT
and exits 1; exits 0 when there is none. Runs as the CTest test texts_test.
"""

import os
import re
import sys

PROGRAM_FOLDERS = ["text", "language", "calendar", "reminders", "agenda", "sync", "cli",
                   "session", "framework", "resources", "form", "panels", "shell"]
# Calls whose string arguments are in the pipeline.
PIPELINE = {"Translate", "TranslateCount", "ZX_TRANSLATE_NOOP", "tr", "translate",
            "QT_TRANSLATE_NOOP", "QT_TRANSLATE_NOOP3", "QT_TR_NOOP", "QT_TRANSLATE_N_NOOP",
            "QT_TR_N_NOOP", "qsTr"}
# Calls that show a text: any text with a letter handed straight to them is
# one the user reads.
SHOWN = {"setText", "setToolTip", "setWindowTitle", "setAccessibleName",
         "setAccessibleDescription", "setPlaceholderText", "setStatusTip", "setWhatsThis",
         "addItem", "addItems", "setHeaderData", "AfxMessageBox", "AfxMessageBoxWithBody",
         "QLabel", "QPushButton", "QCheckBox", "QRadioButton", "QGroupBox", "QAction", "addAction",
         "addMenu", "setTitle", "setIconText", "showMessage", "setItemText", "setTabText",
         "information", "warning", "critical", "question"}
# Two words of English, as a sentence or a name has them.
WORDS = re.compile(r"\b[A-Za-z][a-z]+[,;:.!?]?\s+[A-Za-z]?[a-z]{2,}\b")
LETTER = re.compile(r"[A-Za-z]{2,}")
STRING = re.compile(r'(?:u8|u|U|L)?R"([^(\s]{0,16})\((.*?)\)\1"|(?:u8|u|U|L)?"((?:[^"\\\n]|\\.)*)"',
                    re.S)
TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|' + STRING.pattern + r"|'(?:[^'\\\n]|\\.)*'|[A-Za-z_]\w*|\S",
                   re.S)


def literals(source):
    """(line, text, calls open around it) of each string literal."""
    stack = []  # the names of the open calls, None for other brackets
    name = None
    for match in TOKEN.finditer(source):
        token = match.group(0)
        if token.startswith(("//", "/*")) or token.startswith("'"):
            continue
        if token.startswith('"') or '"' in token[:4] and token[0] in "uULR8":
            line = source.count("\n", 0, match.start()) + 1
            text = match.group(2) if match.group(2) is not None else match.group(3)
            yield line, text, list(stack)
            name = None
            continue
        if token == "(":
            stack.append(name)
        elif token in "{[":
            stack.append(None)
        elif token in ")}]" and stack:
            stack.pop()
        name = token if re.match(r"[A-Za-z_]\w*$", token) else None


def read_exceptions(root):
    allowed = []
    path = os.path.join(root, "scripts", "untranslated-texts.txt")
    with open(path, encoding="utf-8") as listed:
        for line in listed:
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            where, _, text = line.partition(":")
            allowed.append((where.strip(), text.strip()))
    return allowed


def allowed_by(allowed, path, text):
    return any(path.startswith(where) and wanted in text for where, wanted in allowed)


def check_file(root, path, allowed):
    with open(os.path.join(root, path), encoding="utf-8") as file:
        source = file.read()
    # Preprocessor lines (includes, macros of headers) hold no text.
    source = re.sub(r"^\s*#.*$", lambda m: " " * len(m.group(0)), source, flags=re.M)
    problems = []
    for line, text, calls in literals(source):
        if any(call in PIPELINE for call in calls):
            continue
        shown = calls and calls[-1] in SHOWN and LETTER.search(text)
        if not (WORDS.search(text) or shown):
            continue
        if allowed_by(allowed, path, text):
            continue
        problems.append("%s:%d: %s" % (path, line, text[:90]))
    return problems


def main(argv):
    root = os.path.abspath(argv[0] if argv else os.path.join(os.path.dirname(__file__), ".."))
    folders = argv[1:] or PROGRAM_FOLDERS
    allowed = read_exceptions(root)
    problems = []
    for folder in folders:
        for where, _, names in sorted(os.walk(os.path.join(root, folder))):
            if os.sep + "tools" in where[len(root):]:
                continue  # build tools of the sources, not the program
            for name in sorted(names):
                if name.endswith((".cpp", ".h")):
                    path = os.path.relpath(os.path.join(where, name), root)
                    problems += check_file(root, path, allowed)
    for problem in problems:
        print(problem)
    if problems:
        print("%d texts outside the translation pipeline: wrap them in Translate (below Qt) "
              "or tr/QCoreApplication::translate, or list them in "
              "scripts/untranslated-texts.txt with the reason" % len(problems))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
