#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""What a screen reader sees of a running program, through the desktop's accessibility bus.

usage: atspi_client.py APP_NAME tree        one line per object: depth, role | name |
                                            labelled-by names | action names
       atspi_client.py APP_NAME press NAME  runs the first action of the first object so named
"""
import sys
import time

import pyatspi


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
    print(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main())
