#!/usr/bin/python3
"""Prints what a screen reader gets from a running program over AT-SPI.

One line per accessible object of the first application whose name contains
NAME, depth first: its role, its name and the names of the objects that label
it (AT-SPI's labelled-by relation), separated by "|". Waits up to 30 seconds
for the application to appear on the accessibility bus.
    accessible-tree.py NAME
"""
import sys
import time

import pyatspi


def find_application(name):
    for _ in range(150):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and name in (application.name or "").lower():
                return application
        time.sleep(0.2)
    return None


def labels(node):
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return ",".join(names)


def walk(node, depth=0):
    # The text is one line; a tab (a menu item's keys) shows as "\t".
    name = (node.name or "").replace("\t", "\\t")
    print(f"{node.getRoleName()}|{name}|{labels(node)}")
    if depth < 20:
        for child in node:
            if child is not None:
                walk(child, depth + 1)


def main():
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    application = find_application(sys.argv[1].lower())
    if application is None:
        print(f"no application named {sys.argv[1]} on the accessibility bus", file=sys.stderr)
        return 1
    walk(application)
    return 0


if __name__ == "__main__":
    sys.exit(main())
