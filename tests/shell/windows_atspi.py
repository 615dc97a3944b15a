#!/usr/bin/python3
"""What a screen reader hears from Zamanix's windows over AT-SPI.

Run in the session that windows_atspi_test.sh starts, while Zamanix runs
with a reminder missed yesterday and one due today that holds MEMO. Checks,
as a screen reader gets them:
  - Missed Reminders is a dialog with its name;
  - Add (pressed through AT-SPI) is told as a notification that shows, whose
    label says what was kept;
  - All Reminders (opened from its menu item) is a frame with its name;
  - the reminder prompt's description holds MEMO.
Prints "ok: ..." or "FAILED: ..." for each; exit status 1 when one failed.
    windows_atspi.py MEMO
"""
import sys
import time

import pyatspi
from gi.repository import GLib

_context = GLib.MainContext.default()
_shown = []  # the texts of the notifications that showed


def pump(seconds):
    """Lets events come in for a while."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while _context.pending():
            _context.iteration(False)
        time.sleep(0.05)


def wait_for(find, seconds):
    """What find() gives once it gives something, or None at the deadline."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        pump(0.2)
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and "zamanix" in (app.name or "").lower():
            return app
    return None


def descendant(node, wanted, depth=0):
    if node is None or depth > 25:
        return None
    if wanted(node):
        return node
    for child in node:
        found = descendant(child, wanted, depth + 1)
        if found:
            return found
    return None


def window(app, role, name):
    for child in app:
        if child is not None and child.getRoleName() == role and (child.name or "") == name:
            return child
    return None


def on_showing(event):
    source = event.source
    if event.detail1 != 1 or source is None or source.getRoleName() != "notification":
        return
    _shown.append(" ".join(child.name or "" for child in source if child is not None))


def report(failures, what, passed):
    print(("ok: " if passed else "FAILED: ") + what)
    if not passed:
        failures.append(what)


def main():
    memo = sys.argv[1]
    failures = []
    app = wait_for(application, 30)
    if app is None:
        print("FAILED: no application named zamanix on the accessibility bus")
        return 1
    report(failures, "Missed Reminders is announced as a dialog with its name",
           wait_for(lambda: window(app, "dialog", "Missed Reminders"), 20) is not None)

    pyatspi.Registry.registerEventListener(on_showing, "object:state-changed:showing")
    form_memo = descendant(app, lambda n: n.getRoleName() == "text" and n.name == "Reminder Memo")
    add = descendant(app, lambda n: n.getRoleName() == "push button" and n.name == "Add")
    if form_memo is None or add is None:
        report(failures, "the form's memo and Add button are there", False)
    else:
        form_memo.queryEditableText().setTextContents("Buy bread")
        add.queryAction().doAction(0)
        said = wait_for(lambda: [s for s in _shown if s.startswith("Reminder kept for ")], 10)
        report(failures, "Add is announced as a notification: %s" % (said or _shown), bool(said))

    item = descendant(app, lambda n: n.getRoleName() == "menu item"
                      and (n.name or "").startswith("All Reminders"))
    if item is None:
        report(failures, "View > All Reminders is there", False)
    else:
        item.queryAction().doAction(0)
        report(failures, "All Reminders is announced as a window (frame) with its name",
               wait_for(lambda: window(app, "frame", "All Reminders - Zamanix"), 20) is not None)

    # The first tick of the minute timer opens the prompt.
    prompt = wait_for(lambda: descendant(
        app, lambda n: n.getRoleName() in ("dialog", "alert") and n.name == "Zamanix"), 100)
    description = prompt.description if prompt is not None else ""
    report(failures, "the prompt's description holds the memo: %r" % description,
           memo in (description or ""))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
