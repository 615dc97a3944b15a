#!/usr/bin/env python3
"""scripts/check-layers.py on small trees of its own: it passes includes that
point down, and names the file, the line and the include of each one that
points up or sideways, brings Qt or ICU where they do not belong, or lies in
a folder it does not know.

Usage: check_layers_test.py CHECK_LAYERS_SCRIPT
"""

import sys

from tree_cases import run_cases

# Each case: the files of a tree (path: text), and the lines the check must
# print (empty: it passes).
CASES = [
    (
        "includes that point down pass",
        {
            "calendar/hijri.cpp": '#include "calendar/calendar.h"\n#include <cmath>\n',
            "calendar/icu/rule.cpp": '#include "calendar/hijri_rule.h"\n#include <unicode/calendar.h>\n',
            "agenda/list.cpp": '#include "calendar/calendar.h"\n#include "reminders/profile.h"\n',
            "panels/month_panel.cpp": '#include "session/zamanix_profile.h"\n'
            '#include "calendar/calendar.h"\n#include <QWidget>\n',
            "form/view.cpp": '#include "session/zamanix_profile.h"\n#include "agenda/due_check.h"\n',
            "shell/main.cpp": '#include "panels/month_panel.h"\n#include "resources/resource.h"\n',
            "resources/tools/icons.cpp": '#include "resources/resources.h"\n',
            "tests/form/t.cpp": '#include "shell/zamanix_app.h"\n#include "tests/form/fixture.h"\n',
            "tests/calendar/t.cpp": '#include "calendar/icu/hijri_calendar.h"\n#include <unicode/locid.h>\n',
            "tests/cli/t.cpp": '#include "convert_fixture.h"\n',
            "build/x/CMakeFiles/gen.cpp": '#include "shell/anything.h"\n',
            "build2/CMakeCache.txt": "",
            "build2/gen.cpp": '#include "shell/anything.h"\n',
        },
        [],
    ),
    (
        "an include of a folder above",
        {
            "calendar/hijri.cpp": '#include "calendar/calendar.h"\n\n#include "framework/wnd.h"\n',
            "calendar/icu/rule.cpp": '#include "agenda/day_reminders.h"\n',
            "panels/month_panel.cpp": '#include "shell/main_frame.h"\n',
            "reminders/profile.cpp": '#include "calendar/icu/hijri_calendar.h"\n',
        },
        [
            'calendar/hijri.cpp:3: calendar/ may not include "framework/wnd.h"',
            'calendar/icu/rule.cpp:1: calendar/icu/ may not include "agenda/day_reminders.h"',
            'panels/month_panel.cpp:1: panels/ may not include "shell/main_frame.h"',
            'reminders/profile.cpp:1: reminders/ may not include "calendar/icu/hijri_calendar.h"',
        ],
    ),
    (
        "a window that reads the profile or names another window",
        {
            "panels/list.cpp": 'CProfileSnapshot snapshot(file);\nCZamanixView *m_pView;\n'
            "// CZamanixView is the form\n",
            "form/view.cpp": "m_watcher = new QFileSystemWatcher;\nAfxGetApp()->GetProfileString(s, e);\n"
            "CMonthPanel *panel;\n",
            "panels/reminder_export.cpp": "const CProfileSnapshot snapshot(profile);\n",
            "shell/frame.cpp": "CZamanixView *view; CMonthPanel *panel;\n",
        },
        [
            "panels/list.cpp:1: a window of panels/ reads or writes the profile file itself; "
            "the profile object (session/) does",
            "panels/list.cpp:2: a window of panels/ names another window's class",
            "form/view.cpp:1: a window of form/ reads or writes the profile file itself; "
            "the profile object (session/) does",
            "form/view.cpp:2: a window of form/ reads or writes the profile file itself; "
            "the profile object (session/) does",
            "form/view.cpp:3: a window of form/ names another window's class",
        ],
    ),
    (
        "a sideways include",
        {
            "cli/main.cpp": '#include "framework/winapp.h"\n',
            "agenda/x.h": '#include "cli/date_text.h"\n',
            # A window beside the form hears it through signals, never by its class.
            "panels/month_panel.cpp": '#include "form/zamanix_view.h"\n',
            "session/profile.cpp": '#include "framework/winapp.h"\n',
        },
        [
            'cli/main.cpp:1: cli/ may not include "framework/winapp.h"',
            'agenda/x.h:1: agenda/ may not include "cli/date_text.h"',
            'panels/month_panel.cpp:1: panels/ may not include "form/zamanix_view.h"',
            'session/profile.cpp:1: session/ may not include "framework/winapp.h"',
        ],
    ),
    (
        "Qt and ICU where they do not belong",
        {
            "calendar/lunation.cpp": "#include <cmath>\n#include <QString>\n#include <unicode/calendar.h>\n",
            "agenda/list.cpp": "#include <QtCore>\n",
            "reminders/profile.h": "#include <Qt>\n",
            "tests/agenda/t.cpp": "#include <QWidget>\n",
        },
        [
            "calendar/lunation.cpp:2: calendar/ may not include <QString>",
            "calendar/lunation.cpp:3: calendar/ may not include <unicode/calendar.h>",
            "agenda/list.cpp:1: agenda/ may not include <QtCore>",
            "reminders/profile.h:1: reminders/ may not include <Qt>",
            "tests/agenda/t.cpp:1: tests/agenda/ may not include <QWidget>",
        ],
    ),
    (
        "a test that reaches above the folder it tests",
        {"tests/agenda/t.cpp": '#include "form/zamanix_view.h"\n'},
        ['tests/agenda/t.cpp:1: tests/agenda/ may not include "form/zamanix_view.h"'],
    ),
    (
        "a folder of sources the table does not know",
        {"holidays/table.cpp": '#include "calendar/calendar.h"\n'},
        ["holidays/: a folder of sources that scripts/check-layers.py does not know"],
    ),
]


def main():
    return run_cases(sys.argv[1], CASES, lambda root, files: [root],
                     lambda line: not line.startswith("check-layers:"))


if __name__ == "__main__":
    sys.exit(main())
