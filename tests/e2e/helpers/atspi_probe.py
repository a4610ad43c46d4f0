#!/usr/bin/python3
"""What a screen reader finds in the running game, read through AT-SPI.

    atspi_probe.py board     the main window: the board and its tiles
    atspi_probe.py dialogs   every open dialog and what it holds

Prints one line for each thing found; exits 1 when the program is not (yet)
on the accessibility bus, so that the caller can wait for it.
"""
import sys

import pyatspi

APP = "pernoka"


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == APP:
            return app
    return None


def descendants(root, role):
    return pyatspi.findAllDescendants(root, lambda a: a is not None and a.getRole() == role)


def actions(accessible):
    try:
        action = accessible.queryAction()
    except NotImplementedError:
        return ""
    return ", ".join(action.getName(i) for i in range(action.nActions))


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def board(app):
    for frame in descendants(app, pyatspi.ROLE_FRAME):
        print(f"frame '{frame.name}'")
        for filler in descendants(frame, pyatspi.ROLE_FILLER):
            if filler.name:
                print(f"board {filler.getRoleName()} '{filler.name}' description '{filler.description}'")
        tiles = [t for t in descendants(frame, pyatspi.ROLE_PUSH_BUTTON) if showing(t)]
        for tile in sorted(tiles, key=lambda t: t.name):
            print(f"tile {tile.getRoleName()} '{tile.name}' actions: {actions(tile)}")


def labels(accessible):
    found = []
    for relation in accessible.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                target = relation.getTarget(i)
                found.append(f"{target.getRoleName()} '{target.name}'")
    return ", ".join(found) or "nothing"


def dialogs(app):
    for dialog in descendants(app, pyatspi.ROLE_DIALOG):
        if not showing(dialog):
            continue
        print(f"dialog '{dialog.name}'")
        for field in descendants(dialog, pyatspi.ROLE_TEXT):
            print(f"  {field.getRoleName()} '{field.name}' labelled by {labels(field)}")
        for link in descendants(dialog, pyatspi.ROLE_LINK):
            print(f"  {link.getRoleName()} '{link.name}' description '{link.description}' actions: {actions(link)}")
        for button in descendants(dialog, pyatspi.ROLE_PUSH_BUTTON):
            print(f"  {button.getRoleName()} '{button.name}'")


def main():
    what = sys.argv[1] if len(sys.argv) > 1 else "board"
    app = application()
    if app is None:
        print(f"no application named {APP} on the accessibility bus", file=sys.stderr)
        return 1
    {"board": board, "dialogs": dialogs}[what](app)
    return 0


if __name__ == "__main__":
    sys.exit(main())
