#!/usr/bin/env python3
"""Checks that dependencies point one way: every #include "folder/..." of a
source file names a folder that the file's own folder may use, and Qt (and,
in the engine and the profile, ICU) stays out of the folders that do without.
It also checks that the windows share through the profile object alone: no
source of a window reads, writes or watches the profile file itself, and
none names the class of another window.

Usage: check-layers.py [SOURCE_ROOT]   (default: the folder above this script)
Prints each include against the rules as FILE:LINE: ... and exits 1; exits 0
when there is none. The rules are per folder: a subfolder follows those of
the nearest folder in LAYERS, tests/<folder> those of <folder> (TEST_EXTRA
adds to them), and a folder of sources that none of them covers is itself
an error, so that a new one gets its place in the table. Runs as the CTest
test layers_test.
"""

import os
import re
import sys

# Each folder and the folders it depends on directly; it may include their
# headers and, through them, those of every folder below them.
LAYERS = {
    "text": [],  # the program's texts in the user's language: standard library only
    "language": ["text"],  # the desktop's language: Qt Core and ICU inside, a plain face
    "calendar": ["text"],  # the engine: standard library only
    "calendar/icu": ["calendar"],  # the Hijri rules that ICU computes
    "reminders": ["text"],  # the profile: standard library only
    "modules": [],  # finding and loading the program's modules: standard library only
    "agenda": ["calendar/icu", "reminders"],  # no Qt
    "session": ["agenda"],  # the profile object the windows hear: Qt Core only
    "framework": ["reminders", "language", "modules"],  # the document/view layer over Qt
    "resources": ["framework"],
    "form": ["session", "framework", "resources"],
    "panels": ["session", "framework", "sync"],
    "shell": ["panels", "form", "framework", "resources"],
    "sync": ["agenda", "reminders", "modules"],  # CalDAV publishing: Qt Network, QtKeychain
    "cli": ["sync", "agenda", "calendar/icu", "reminders", "language"],  # no Qt
    "bench": ["cli", "panels", "sync"],
}

# tests/<folder> may use what <folder> may, the folder itself and the tests'
# own helpers (tests/...); the window tests run the whole program, and the
# fuzz targets take the profile's parsers.
TEST_EXTRA = {
    "tests": ["resources"],  # gui_test_main.cpp
    "tests/calendar": ["calendar/icu"],
    "tests/form": ["shell"],
    "tests/panels": ["shell"],
    "tests/fuzz": ["reminders", "sync"],
}

# Headers of outside libraries that a folder (with its tests) must not
# include.
QT = (re.compile(r"^Qt?[A-Z]|^Qt$"), "Qt")
ICU = (re.compile(r"^unicode/"), "ICU")
FOREIGN = {
    "text": [QT, ICU],
    "calendar": [QT, ICU],
    "calendar/icu": [QT],
    "reminders": [QT, ICU],
    "modules": [QT, ICU],
    "agenda": [QT],
    "cli": [QT],
    "tests/calendar": [QT],
    "tests/reminders": [QT, ICU],
    "tests/agenda": [QT],
    "tests/cli": [QT],
    "tests/fuzz": [QT, ICU],
    "tests/text": [QT, ICU],
}

# What the windows share they hear from the profile object (session/): no
# window reads, writes or watches the profile file itself, and none names
# another window's class, so that none can hold its raw pointer. The form
# and the windows beside it are wired together by the shell.
PROFILE_ACCESS = (re.compile(
    r"\b(ReadProfileEntry|FindProfileEntry|WriteProfileEntr(y|ies)|GetProfile(String|Int)|"
    r"WriteProfile(String|Int)|QFileSystemWatcher|m_pszProfileName)\b|\bCProfileSnapshot\s+\w+\s*[({]"),
    "reads or writes the profile file itself; the profile object (session/) does")
FORM_CLASS = (re.compile(r"\b(CZamanixView|CMainFrame)\b"), "names another window's class")
PANEL_CLASS = (re.compile(r"\b(CMonthPanel|CMonthDock|CAllRemindersWindow|CMissedRemindersWindow)\b"),
               "names another window's class")
WINDOWS = {
    "form": [PROFILE_ACCESS, PANEL_CLASS],
    "panels": [PROFILE_ACCESS, FORM_CLASS],
}
# File > Export Reminders reads the profile when it writes the file, as
# zamanix-reminders export does: a command, not a window that follows it.
WINDOW_EXCEPTIONS = {"panels/reminder_export.cpp"}

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".cc")
SKIPPED_TOP = {"build", "docs", "packaging", "scripts"}

LOCAL_INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"')
SYSTEM_INCLUDE = re.compile(r"^\s*#\s*include\s*<([^>]+)>")


def closure(folder, seen=None):
    """The folders that `folder` may include, itself among them."""
    seen = set() if seen is None else seen
    if folder not in seen:
        seen.add(folder)
        for below in LAYERS.get(folder, []):
            closure(below, seen)
    return seen


def rule_folder(folder):
    """The folder whose rules hold for `folder`: tests/<x> for the tests,
    otherwise the nearest folder of LAYERS; None when there is none."""
    parts = folder.split("/")
    if parts[0] == "tests":
        return "/".join(parts[:2])
    for n in range(len(parts), 0, -1):
        candidate = "/".join(parts[:n])
        if candidate in LAYERS:
            return candidate
    return None


def allowed_for(folder):
    if folder.split("/")[0] != "tests":
        return closure(folder)
    allowed = {"tests"}
    tested = folder[len("tests/"):]
    for used in [tested] + TEST_EXTRA.get(folder, []):
        if used in LAYERS:
            allowed |= closure(used)
    return allowed


def target_folder(include):
    """The folder an include names (the longest one of the table), or None
    for a header beside the file."""
    parts = include.split("/")[:-1]
    for n in range(len(parts), 0, -1):
        candidate = "/".join(parts[:n])
        if candidate in LAYERS:
            return candidate
    return parts[0] if parts else None


def check_window(relative, folder, number, line, problems):
    if relative in WINDOW_EXCEPTIONS or line.lstrip().startswith("//"):
        return
    for pattern, what in WINDOWS.get(folder, []):
        if pattern.search(line):
            problems.append(f"{relative}:{number}: a window of {folder}/ {what}")


def check_file(root, path, folder, problems):
    allowed = allowed_for(folder)
    relative = os.path.relpath(path, root).replace(os.sep, "/")
    with open(path, encoding="utf-8", errors="replace") as source:
        for number, line in enumerate(source, 1):
            check_window(relative, folder, number, line, problems)
            local = LOCAL_INCLUDE.match(line)
            if local:
                target = target_folder(local.group(1))
                if target is not None and target not in allowed:
                    problems.append(
                        f'{relative}:{number}: {folder}/ may not include "{local.group(1)}": '
                        f"{target}/ is not below {folder}/"
                    )
                continue
            system = SYSTEM_INCLUDE.match(line)
            for pattern, library in FOREIGN.get(folder, []) if system else []:
                if pattern.search(system.group(1)):
                    problems.append(
                        f"{relative}:{number}: {folder}/ may not include <{system.group(1)}>: "
                        f"no {library} in {folder}/"
                    )


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.dirname(
        os.path.abspath(__file__)))
    problems = []
    checked = 0
    for directory, subdirectories, files in os.walk(root):
        relative = os.path.relpath(directory, root).replace(os.sep, "/")
        if relative == ".":
            subdirectories[:] = [
                d for d in subdirectories if not d.startswith(".") and d not in SKIPPED_TOP
            ]
            continue
        # A build folder (CMake's cache marks it) holds generated sources.
        if "CMakeCache.txt" in files:
            subdirectories[:] = []
            continue
        sources = [f for f in files if f.endswith(SOURCE_SUFFIXES)]
        if not sources:
            continue
        folder = rule_folder(relative)
        if folder is None:
            problems.append(
                f"{relative}/: a folder of sources that scripts/check-layers.py does not "
                "know; give it its place in LAYERS"
            )
            continue
        for name in sorted(sources):
            check_file(root, os.path.join(directory, name), folder, problems)
            checked += 1
    for problem in problems:
        print(problem)
    if problems:
        print(f"check-layers: {len(problems)} problem(s); the table of layers is in "
              "scripts/check-layers.py", file=sys.stderr)
        return 1
    print(f"check-layers: {checked} files, every include points down")
    return 0


if __name__ == "__main__":
    sys.exit(main())
