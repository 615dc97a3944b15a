#!/usr/bin/python3
"""Writes shell/start-order.txt: the program's functions that run while it
starts, in the order the linker is to lay them out, so that they share a few
pages of the program instead of touching every page of it.

The kernel maps a file's pages in 64 KiB runs around each page the program
first touches, so a start that runs a few hundred functions scattered over
the whole program keeps nearly all of its code resident. Laid out together,
they keep a fifth of it.

Usage: scripts/update-start-order.py BUILD_DIR
Runs BUILD_DIR/zamanix under callgrind in a display of its own (Xvfb): once
from a fresh profile, then with the month panel shown in Arabic, which adds
the functions only those starts run. Needs valgrind and xvfb.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ORDER = os.path.join(ROOT, 'shell', 'start-order.txt')
# Long enough for the first paint and the deferred start work under
# callgrind, which runs the program about fifty times slower.
RUN_SECONDS = 60

# gold places the sections an order names after the others of their kind:
# the built-in translations, read only in a language other than English, go
# after the constants a start reads, so that the two do not share pages.
UNREAD_DATA = ['.rodata._ZL16qt_resource_data']

STARTS = [
    ('', 'C.UTF-8'),
    ('[Defaults]\nMonthPanel=ON\n', 'ar_SA.UTF-8'),
]


def free_display():
    for number in range(90, 200):
        if not os.path.exists('/tmp/.X%d-lock' % number):
            return ':%d' % number
    sys.exit('update-start-order: no free X display between :90 and :199')


def functions_run(profile_text, locale, program, display):
    """The program's own functions that ran, in the order callgrind first
    names them, as their symbols."""
    home = tempfile.mkdtemp(prefix='zamanix-order-')
    try:
        os.makedirs(os.path.join(home, 'config'))
        os.makedirs(os.path.join(home, 'runtime'), mode=0o700)
        with open(os.path.join(home, 'config', 'zamanix.INI'), 'w') as profile:
            profile.write(profile_text)
        out = os.path.join(home, 'callgrind.out')
        env = {'DISPLAY': display, 'HOME': home, 'PATH': os.environ['PATH'],
               'XDG_CONFIG_HOME': os.path.join(home, 'config'),
               'XDG_RUNTIME_DIR': os.path.join(home, 'runtime'),
               'QT_QPA_PLATFORM': 'xcb', 'LANG': locale, 'TZ': 'UTC'}
        run = subprocess.Popen(['valgrind', '--tool=callgrind', '--demangle=no',
                                '--callgrind-out-file=' + out, program],
                               env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        time.sleep(RUN_SECONDS)
        run.terminate()
        run.wait(timeout=60)
        return read_functions(out, os.path.realpath(program))
    finally:
        shutil.rmtree(home, ignore_errors=True)


def read_functions(callgrind_out, program):
    """Callgrind names objects and functions once, by number, then by the
    number alone ("fn=(12)"); "cfn" names a callee the same way."""
    objects, functions, names = {}, {}, []
    current_object = None
    with open(callgrind_out, errors='replace') as lines:
        for line in lines:
            line = line.rstrip('\n')
            match = re.match(r'(c?)ob=\((\d+)\)(?: (.*))?$', line)
            if match:
                if match.group(3):
                    objects[match.group(2)] = match.group(3)
                if not match.group(1):
                    current_object = objects[match.group(2)]
                continue
            match = re.match(r'(c?)fn=\((\d+)\)(?: (.*))?$', line)
            if match:
                if match.group(3):
                    functions[match.group(2)] = match.group(3)
                if not match.group(1) and current_object == program:
                    names.append(functions[match.group(2)])
    return names


def sections(names):
    """gcc -ffunction-sections puts each function in .text.SYMBOL, the cold
    part in .text.unlikely.SYMBOL; a constructor or destructor is emitted as
    its base-object symbol (C2, D2), which callgrind names as the complete
    one (C1, D1, D0). Static constructors and main lie in .text.startup.*,
    which the order takes whole."""
    order = ['.text.startup', '.text.startup.*'] + UNREAD_DATA
    for name in names:
        name = re.sub(r"'\d+$", '', name)  # callgrind's recursion mark
        if name.startswith(('0x', '_GLOBAL__sub_I_')) or name.endswith('.cold') \
                or name in ('main', '(below main)'):
            continue
        for symbol in (name, re.sub(r'([CD])[01](E|I)', r'\g<1>2\2', name, count=1)):
            section = '.text.' + symbol
            if section not in order:
                order.append(section)
    return order


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    program = os.path.join(sys.argv[1], 'zamanix')
    display = free_display()
    server = subprocess.Popen(['Xvfb', display, '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(1)
        names = []
        # Each start's new functions by name: callgrind's own order changes
        # from run to run, and the order's diffs should show only what changed.
        for profile_text, locale in STARTS:
            names += sorted(set(functions_run(profile_text, locale, program, display)) - set(names))
    finally:
        server.terminate()
        server.wait()
    order = sections(names)
    with open(ORDER, 'w') as out:
        out.write('\n'.join(order) + '\n')
    print('update-start-order: %d sections in %s' % (len(order), os.path.relpath(ORDER, ROOT)))


if __name__ == '__main__':
    main()
