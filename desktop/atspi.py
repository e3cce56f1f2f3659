#!/usr/bin/python3
"""Reads one process's accessibility tree, or acts on it, as an assistive tool does.

Run once per read: a short-lived reader never sees stale cached values.
Usage: atspi_dump.py PID                 prints the tree as JSON lines, one object per node
       atspi_dump.py --press PID NAME    does the action of the push button named NAME
       atspi_dump.py --focus SECONDS     prints "ready", then each focus change on the bus as a
                                         JSON line, until a push button takes the focus or time is up
Exit status 3: the process (or the button) is not on the bus.
"""
import json
import os
import sys
import threading

import pyatspi


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except Exception:
        return None


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
        "text": text_of(node),
        "showing": states.contains(pyatspi.STATE_SHOWING),
        "focusable": states.contains(pyatspi.STATE_FOCUSABLE),
    }


def follow_focus(seconds):
    """What a screen reader that follows the focus is told, event by event."""
    def on_focus(event):
        if not event.detail1:
            return
        node = event.source
        print(json.dumps({"pid": node.get_process_id(), "role": node.getRoleName(), "name": node.name,
                          "description": node.description}, ensure_ascii=False), flush=True)
        if node.getRoleName() == "push button":
            os._exit(0)  # stopping the registry from inside its own callback does not return
    pyatspi.Registry.registerEventListener(on_focus, "object:state-changed:focused")
    threading.Timer(seconds, pyatspi.Registry.stop).start()
    print("ready", flush=True)
    pyatspi.Registry.start()
    return 0


def main():
    if sys.argv[1] == "--focus":
        return follow_focus(float(sys.argv[2]))
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
