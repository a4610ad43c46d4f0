#!/usr/bin/python3
"""What a screen reader is told while the game runs, from the accessibility bus.

    atspi_events.py FILE

Appends a line to FILE for every focus change and every change of a name or
description, as a screen reader receives them:

    <event> <role> '<name>' description '<description>' focused=<0|1>

focused tells whether the object held the keyboard focus when the event
came: a screen reader speaks a changed name or description only for the
object with the focus. What is announced besides, as an announcement or as
a notification that shows, goes in a line of its own:

    announced '<text>'

Prints "listening" once it is registered; runs until it is killed.
"""
import sys

import pyatspi

from atspi_probe import role_name

EVENTS = (
    "object:state-changed:focused",
    "object:property-change:accessible-name",
    "object:property-change:accessible-description",
    "object:state-changed:showing",
    "object:announcement",
)


def main():
    out = open(sys.argv[1], "a", buffering=1, encoding="utf-8")

    def on_event(event):
        if event.type.startswith("object:state-changed") and not event.detail1:
            return  # focus lost or hidden: nothing is spoken for that
        try:
            source = event.source
            if event.type == "object:announcement":
                out.write(f"announced '{event.any_data}'\n")
                return
            if event.type.startswith("object:state-changed:showing"):
                if source.getRole() == pyatspi.ROLE_NOTIFICATION:
                    out.write(f"announced '{source.name}'\n")
                return
            focused = int(source.getState().contains(pyatspi.STATE_FOCUSED))
            out.write(f"{event.type} {role_name(source)} '{source.name}' "
                      f"description '{source.description}' focused={focused}\n")
        except Exception:  # the object went away before it could be read
            pass

    pyatspi.Registry.registerEventListener(on_event, *EVENTS)
    print("listening", flush=True)
    pyatspi.Registry.start()


if __name__ == "__main__":
    main()
