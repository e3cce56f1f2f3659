#!/usr/bin/python3
"""Reads one process's accessibility tree, or acts on it, as an assistive tool does.

Run once per read: a short-lived reader never sees stale cached values.
Usage: atspi.py PID                 prints the tree as JSON lines, one object per node
       atspi.py --press PID NAME    does the action of the push button named NAME
Exit status 3: the process (or the button) is not on the bus.
"""
import json
import sys

import pyatspi


def walk(node, depth=0):
    yield depth, node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is not None and app.get_process_id() == pid:
                return app
        except Exception:
            continue
    return None


def describe(depth, node):
    states = node.getState()
    return {
        "depth": depth,
        "role": node.getRoleName(),
        "name": node.name,
        "showing": states.contains(pyatspi.STATE_SHOWING),
    }


def main():
    press = sys.argv[1] == "--press"
    app = application(int(sys.argv[2 if press else 1]))
    if app is None:
        return 3
    for depth, node in walk(app):
        if not press:
            print(json.dumps(describe(depth, node), ensure_ascii=False))
        elif node.getRoleName() == "push button" and node.name == sys.argv[3]:
            node.queryAction().doAction(0)
            return 0
    return 3 if press else 0


if __name__ == "__main__":
    sys.exit(main())
