"""Runs a checking script of scripts/ on small trees of its own and compares
what it prints with what each case expects: the shared part of the scripts'
tests (check_layers_test.py, check_texts_test.py)."""

import os
import subprocess
import sys
import tempfile


def run_case(script, files, arguments):
    """The exit status and the printed lines of `script` run on a tree of
    `files` (path: text), with `arguments(root)` after the script."""
    with tempfile.TemporaryDirectory() as root:
        for path, text in files.items():
            full = os.path.join(root, path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            with open(full, "w", encoding="utf-8") as out:
                out.write(text)
        result = subprocess.run([sys.executable, script, *arguments(root)], capture_output=True,
                                text=True, check=False)
    return result.returncode, result.stdout.splitlines()


def run_cases(script, cases, arguments, is_problem):
    """Each case (name, files, expected lines; none: the check passes);
    exit status 1 when any case fails."""
    failures = 0
    for name, files, expected in cases:
        status, lines = run_case(script, files, lambda root: arguments(root, files))
        problems = [line for line in lines if is_problem(line)]
        wrong = []
        if status != (1 if expected else 0):
            wrong.append(f"exit status {status}")
        for want in expected:
            if not any(line.startswith(want) for line in problems):
                wrong.append(f"missing: {want}")
        if len(problems) != len(expected):
            wrong.append(f"{len(problems)} problem lines, not {len(expected)}: {problems}")
        if wrong:
            failures += 1
            print(f"FAIL {name}: " + "; ".join(wrong))
        else:
            print(f"ok   {name}")
    return 1 if failures else 0
