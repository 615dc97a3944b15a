#!/usr/bin/env python3
"""scripts/check-texts.py on small trees of its own: it passes texts that go
through the translation pipeline and those the list of exceptions names, and
names the file, the line and the text of each one a user would read in
English whatever the language.

Usage: check_texts_test.py CHECK_TEXTS_SCRIPT
"""

import sys

from tree_cases import run_cases

EXCEPTIONS = "# why\ncli/table.cpp: (never falls due:\ncalendar/names.cpp:\n"

# Each case: the files of a tree (path: text), and the lines the check must
# print (empty: it passes).
CASES = [
    (
        "texts in the pipeline pass",
        {
            "agenda/list.cpp": 'a = Translate("Reminders", "the memo is empty");\n'
            'b = FillSentence(Translate("Reminders", "%1 has no day %2"), {m, d});\n'
            'c = TranslateCount("MonthStarts", "%n days", "%n day", n);\n'
            'const char *const k = ZX_TRANSLATE_NOOP("HolyDays", "Day of Arafah");\n',
            "panels/window.cpp": 'label->setText(tr("Missed reminders"));\n'
            'setWindowTitle(QCoreApplication::translate("Missed", "All Reminders - Zamanix"));\n'
            '{QT_TRANSLATE_NOOP("Menu", "&Open...\\tCtrl+O"), ID_FILE_OPEN, 0},\n',
            "cli/main.cpp": 'const char *const kHelp = ZX_TRANSLATE_NOOP("Converter", R"(Usage:\n'
            "  two words)\");\n",
        },
        [],
    ),
    (
        "what no user reads as words passes",
        {
            "framework/bus.cpp": 'call("org.freedesktop.Notifications", "x-zamanix.reminder");\n'
            'printf("%s: %s\\n", a, b); f("--from-hijri"); g("Defaults", "Audio");\n'
            '#include "framework/some header.h"\n// a comment "with words in it"\n'
            "/* and \"another one\" */\n",
        },
        [],
    ),
    (
        "words outside the pipeline",
        {
            "agenda/list.cpp": 'row.problem = "the memo is empty, and never rings";\n',
            "cli/main.cpp": 'error = "unknown option \'" + arg + "\'";\n'
            'const char kHelp[] = R"(Usage:\n  zamanix-convert DATE)";\n',
            "panels/window.cpp": 'auto *label = new QLabel("Memo");\nbox->setToolTip("Today");\n',
        },
        [
            "agenda/list.cpp:1: the memo is empty",
            "cli/main.cpp:1: unknown option",
            "cli/main.cpp:2: Usage:",
            "panels/window.cpp:1: Memo",
            "panels/window.cpp:2: Today",
        ],
    ),
    (
        "the exceptions listed, by a part of the text or a whole file",
        {
            "cli/table.cpp": 'memo += "(never falls due: " + why;\nx = "but this one is no exception";\n',
            "calendar/names.cpp": 'const std::string names[] = {"Thul Hijjah", "Jumada al-Thani"};\n',
        },
        ["cli/table.cpp:2: but this one"],
    ),
]


def main():
    # Every tree has the list of exceptions; the check reads the folders of
    # its sources.
    cases = [(name, dict(files, **{"scripts/untranslated-texts.txt": EXCEPTIONS}), expected)
             for name, files, expected in CASES]
    return run_cases(sys.argv[1], cases,
                     lambda root, files: [root, *sorted({p.split("/")[0] for p in files} - {"scripts"})],
                     lambda line: ":" in line.split(" ")[0])


if __name__ == "__main__":
    sys.exit(main())
