#!/usr/bin/python3
"""Checks that the program's start order (shell/start-order.txt) still names
its functions, and that the link laid them out together.

Usage: scripts/check-start-order.py PROGRAM ORDER
The order goes stale as functions are renamed or replaced; below SHARE of
its functions found, the start keeps more of the program resident again, and
scripts/update-start-order.py writes it anew.
"""
import subprocess
import sys

SHARE = 0.8
# The ordered functions may lie apart by the padding of their alignment and
# a few constructors the order names twice: at most this much more than
# their own size.
SPREAD = 1.5


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    program, order_file = sys.argv[1:]
    symbols = {}
    listing = subprocess.run(['nm', '--defined-only', '-S', program],
                             capture_output=True, text=True, check=True).stdout
    for line in listing.splitlines():
        fields = line.split()
        if len(fields) == 4 and fields[2] in 'tTwW':
            symbols[fields[3]] = (int(fields[0], 16), int(fields[1], 16))
    wanted = [line.strip()[len('.text.'):] for line in open(order_file)
              if line.startswith('.text.') and not line.startswith('.text.startup')]
    found = {name: symbols[name] for name in wanted if name in symbols}
    share = len(found) / len(wanted)
    print('%d of the %d ordered functions are in the program (%.0f%%)'
          % (len(found), len(wanted), 100 * share))
    if share < SHARE:
        sys.exit('the start order is stale: run scripts/update-start-order.py on a build')
    places = set(found.values())
    low = min(address for address, _ in places)
    high = max(address + size for address, size in places)
    size = sum(size for _, size in places)
    print('they span %d bytes for %d bytes of code' % (high - low, size))
    if high - low > SPREAD * size:
        sys.exit('the link did not lay the ordered functions out together')


if __name__ == '__main__':
    main()
