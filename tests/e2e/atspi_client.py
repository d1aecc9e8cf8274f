#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""What a screen reader sees of a running program, through the desktop's accessibility bus.

usage: atspi_client.py APP_NAME tree        one line per object: depth, role | name |
                                            labelled-by names | action names
       atspi_client.py APP_NAME press NAME  runs the first action of the first object so named
       atspi_client.py APP_NAME text NAME   of the text object so named: its whole text, then
                                            one line per boundary and offset: the text at,
                                            before and after it, and the attribute run there
       atspi_client.py APP_NAME listen SECONDS  prints "listening", then one line per focus,
                                            caret, selection, text, description and showing
                                            event of the program: event type | role | name
"""
import sys
import time

import pyatspi
from gi.repository import GLib


def find_app(name, seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    return None


def walk(node, depth=0):
    yield node, depth
    # The 64 entries of the glyph list say nothing new; their list is enough.
    if node.getRoleName() == "list":
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def actions_of(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return None
    return action


def main():
    app = find_app(sys.argv[1])
    if app is None:
        print("no application named %r on the accessibility bus" % sys.argv[1])
        return 1
    if sys.argv[2] == "tree":
        for node, depth in walk(app):
            labels = [relation.getTarget(0).name for relation in node.getRelationSet()
                      if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY]
            action = actions_of(node)
            names = [action.getName(i) for i in range(action.nActions)] if action else []
            print("%d %s | %s | %s | %s" % (depth, node.getRoleName(), node.name,
                                            ",".join(labels), ",".join(names)))
        return 0
    if sys.argv[2] == "press":
        for node, _ in walk(app):
            if node.name == sys.argv[3]:
                action = actions_of(node)
                if action and action.nActions > 0:
                    action.doAction(0)
                    return 0
        print("nothing to press named %r" % sys.argv[3])
        return 1
    if sys.argv[2] == "text":
        for node, _ in walk(app):
            if node.name == sys.argv[3]:
                return print_text(node.queryText())
        print("no text object named %r" % sys.argv[3])
        return 1
    if sys.argv[2] == "listen":
        return listen(app, float(sys.argv[3]))
    print(__doc__)
    return 2


BOUNDARIES = [("char", pyatspi.TEXT_BOUNDARY_CHAR), ("word start", pyatspi.TEXT_BOUNDARY_WORD_START),
              ("word end", pyatspi.TEXT_BOUNDARY_WORD_END),
              ("sentence start", pyatspi.TEXT_BOUNDARY_SENTENCE_START),
              ("sentence end", pyatspi.TEXT_BOUNDARY_SENTENCE_END),
              ("line start", pyatspi.TEXT_BOUNDARY_LINE_START)]


def print_text(text):
    count = text.characterCount
    print("text | %s" % text.getText(0, -1))
    for label, boundary in BOUNDARIES:
        for offset in range(count + 1):
            pieces = [text.getTextAtOffset(offset, boundary),
                      text.getTextBeforeOffset(offset, boundary),
                      text.getTextAfterOffset(offset, boundary)]
            print("%s %d | %s" % (label, offset, " | ".join(
                "%s %d %d" % (piece[0], piece[1], piece[2]) for piece in pieces)))
    for offset in range(count + 1):
        _, start, end = text.getAttributeRun(offset, False)
        print("attributes %d | %d %d" % (offset, start, end))
    return 0


def listen(app, seconds):
    def report(event):
        source = event.source
        try:
            if source is None or source.getApplication().name != app.name:
                return
            # Asked for only so that the toolkit sends names anew, as to a screen reader.
            if event.type == "object:property-change:accessible-name":
                return
            print("%s %d | %s | %s" % (event.type, event.detail1, source.getRoleName(),
                                       source.name), flush=True)
        except Exception:  # an object gone meanwhile says nothing
            pass

    kinds = ["focus:", "object:state-changed:focused", "object:text-caret-moved",
             "object:text-selection-changed", "object:text-changed", "object:selection-changed",
             "object:property-change:accessible-description", "object:state-changed:showing",
             "object:property-change:accessible-name"]
    pyatspi.Registry.registerEventListener(report, *kinds)
    print("listening", flush=True)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()
    return 0


if __name__ == "__main__":
    sys.exit(main())
