#!/usr/bin/python3
"""What a screen reader finds in the running game, read through AT-SPI.

    atspi_probe.py board     the main window: the board and its tiles
    atspi_probe.py cells     the same for a script: "gap <col> <row>", then
                             "tile <n> <col> <row> <x> <y> <width> <height>"
                             (cells from 0, the tile's place on the screen)
    atspi_probe.py menus     the menu bar, in its order, as the keyboard
                             walks it: "<place> 0 <title>" for each title,
                             "<place> <item> <title>/<caption>" for each
                             item under it, both counted as Right and Down
                             reach them (separators skipped)
    atspi_probe.py dialogs   every open dialog and what it holds

Prints one line for each thing found; exits 1 when the program is not (yet)
on the accessibility bus, so that the caller can wait for it. With
PERNOKA_PID set, only the program of that process is read.
"""
import os
import re
import sys

import pyatspi
from gi.repository import Atspi

APP = "pernoka"


def application():
    pid = int(os.environ.get("PERNOKA_PID") or 0)
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == APP and (not pid or app.get_process_id() == pid):
            # Every name, description and child read from the program as it
            # is now, never from a cache filled before a change.
            app.set_cache_mask(Atspi.Cache.NONE)
            app.clear_cache()
            return app
    return None


# AT-SPI 2.46 names the button role "push button", 2.56 "button": the
# scripts read one name whichever the system says.
ROLE_NAMES = {pyatspi.ROLE_PUSH_BUTTON: "push button"}


def role_name(accessible):
    return ROLE_NAMES.get(accessible.getRole(), accessible.getRoleName())


def descendants(root, role):
    return pyatspi.findAllDescendants(root, lambda a: a is not None and a.getRole() == role)


# The main window holds the board and the menu bar as its own children, and
# the board its tiles: read there, not through every menu item of the tree.
def children(parent, role):
    found = (parent.getChildAtIndex(i) for i in range(parent.childCount))
    return [child for child in found if child is not None and child.getRole() == role]


def frames(app):
    return children(app, pyatspi.ROLE_FRAME)


def boards(frame):
    return [filler for filler in children(frame, pyatspi.ROLE_FILLER) if filler.name]


def actions(accessible):
    try:
        action = accessible.queryAction()
    except NotImplementedError:
        return ""
    return ", ".join(action.getName(i) for i in range(action.nActions))


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def board(app):
    for frame in frames(app):
        print(f"frame '{frame.name}'")
        for filler in boards(frame):
            print(f"board {role_name(filler)} '{filler.name}' description '{filler.description}'")
            tiles = [t for t in children(filler, pyatspi.ROLE_PUSH_BUTTON) if showing(t)]
            for tile in sorted(tiles, key=lambda t: t.name):
                print(f"tile {role_name(tile)} '{tile.name}' actions: {actions(tile)}")


CELL = re.compile(r"\((\d+) 行 (\d+) 列\)")


def cells(app):
    for filler in (board for frame in frames(app) for board in boards(frame)):
        gap = CELL.search(filler.description or "")
        if gap:
            print(f"gap {int(gap.group(2)) - 1} {int(gap.group(1)) - 1}")
        for tile in children(filler, pyatspi.ROLE_PUSH_BUTTON):
            found = re.match(r"タイル (\d+) ", tile.name or "")
            cell = CELL.search(tile.name or "")
            if not (found and cell and showing(tile)):
                continue
            box = tile.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            print(f"tile {found.group(1)} {int(cell.group(2)) - 1} {int(cell.group(1)) - 1} "
                  f"{box.x} {box.y} {box.width} {box.height}")


def menus(app):
    for bar in (bar for frame in frames(app) for bar in children(frame, pyatspi.ROLE_MENU_BAR)):
        for place in range(bar.childCount):
            title = bar.getChildAtIndex(place)
            print(f"{place} 0 {title.name}")
            if title.childCount == 0:
                continue  # a command right on the bar
            menu = title.getChildAtIndex(0)
            items = [menu.getChildAtIndex(i) for i in range(menu.childCount)]
            items = [item for item in items if item is not None and item.getRole() != pyatspi.ROLE_SEPARATOR]
            for number, item in enumerate(items, start=1):
                print(f"{place} {number} {title.name}/{item.name}")


def labels(accessible):
    found = []
    for relation in accessible.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                target = relation.getTarget(i)
                found.append(f"{role_name(target)} '{target.name}'")
    return ", ".join(found) or "nothing"


def dialogs(app):
    for dialog in descendants(app, pyatspi.ROLE_DIALOG):
        if not showing(dialog):
            continue
        print(f"dialog '{dialog.name}'")
        for field in descendants(dialog, pyatspi.ROLE_TEXT):
            print(f"  {role_name(field)} '{field.name}' labelled by {labels(field)}")
        for link in descendants(dialog, pyatspi.ROLE_LINK):
            print(f"  {role_name(link)} '{link.name}' description '{link.description}' actions: {actions(link)}")
        for button in descendants(dialog, pyatspi.ROLE_PUSH_BUTTON):
            print(f"  {role_name(button)} '{button.name}'")


def main():
    what = sys.argv[1] if len(sys.argv) > 1 else "board"
    app = application()
    if app is None:
        print(f"no application named {APP} on the accessibility bus", file=sys.stderr)
        return 1
    {"board": board, "cells": cells, "menus": menus, "dialogs": dialogs}[what](app)
    return 0


if __name__ == "__main__":
    sys.exit(main())
