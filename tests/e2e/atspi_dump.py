#!/usr/bin/python3
"""Prints the accessibility tree of one process as JSON lines: one object per node.

Run once per read: a short-lived reader never sees stale cached values.
Usage: atspi_dump.py PID
       atspi_dump.py --focus SECONDS   prints "ready", then each focus change on the bus as a
                                       JSON line, until a push button takes the focus or time is up
"""
import json
import os
import sys
import threading

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
