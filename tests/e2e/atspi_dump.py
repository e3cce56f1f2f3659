#!/usr/bin/python3
"""Prints the accessibility tree of one process as JSON lines: one object per node.

Run once per read: a short-lived reader never sees stale cached values.
Usage: atspi_dump.py PID
"""
import json
import sys

import pyatspi


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        return None
    except Exception:
        return None


def walk(node, depth, out):
    states = node.getState()
    out.append({
        "depth": depth,
        "role": node.getRoleName(),
        "name": node.name,
        "text": text_of(node),
        "showing": states.contains(pyatspi.STATE_SHOWING),
        "focused": states.contains(pyatspi.STATE_FOCUSED),
        "focusable": states.contains(pyatspi.STATE_FOCUSABLE),
    })
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1, out)


def main():
    pid = int(sys.argv[1])
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        try:
            if app is None or app.get_process_id() != pid:
                continue
        except Exception:
            continue
        nodes = []
        walk(app, 0, nodes)
        for node in nodes:
            print(json.dumps(node, ensure_ascii=False))
        return 0
    return 3  # the process is not (yet) on the bus


if __name__ == "__main__":
    sys.exit(main())
