#!/usr/bin/python3
"""Reads what Levora's windows show through the accessibility interface
(AT-SPI over the session bus), as a screen reader would.

  atspi_query.py extents WINDOW ROLE NAME   prints "x y width height" of the
                                            first showing element
  atspi_query.py names WINDOW ROLE [PANEL]  prints the names of the showing
                                            elements, one a line, in order
  atspi_query.py hidden WINDOW ROLE NAME    succeeds when no such element shows

WINDOW is a regular expression that a window's name (its caption) must match
in full; ROLE is an AT-SPI role name ("push button", "label", "link", ...);
PANEL, when given, is the name of an element that the matches must lie in.
Extents are screen coordinates as the program reports them. Exits 1 when
nothing matches, 2 when the program is not on the accessibility bus.
"""

import re
import sys

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402  (needs the version set first)

PROGRAM = "Levora"


def showing(element):
    return element.get_state_set().contains(Atspi.StateType.SHOWING)


def children(element):
    for index in range(element.get_child_count()):
        child = element.get_child_at_index(index)
        if child is not None:
            yield child


# Elements whose children are left out while they are closed: they show then
# as little as their children do, though these may claim to be showing.
FOLDING = {"list", "popup menu"}


def descendants(element):
    for child in children(element):
        yield child
        if child.get_role_name() not in FOLDING or showing(child):
            yield from descendants(child)


def program():
    desktop = Atspi.get_desktop(0)
    for application in children(desktop):
        if application.get_name() == PROGRAM:
            return application
    sys.exit(2)


def windows(pattern):
    expression = re.compile(pattern)
    return [window for window in children(program())
            if expression.fullmatch(window.get_name() or "") and showing(window)]


def matches(pattern, role, name=None, panel=None):
    for window in windows(pattern):
        scope = [window]
        if panel is not None:
            scope = [element for element in descendants(window) if element.get_name() == panel]
        for container in scope:
            for element in descendants(container):
                if (element.get_role_name() == role and showing(element)
                        and (name is None or element.get_name() == name)):
                    yield element


def extents(pattern, role, name):
    for element in matches(pattern, role, name):
        box = element.get_extents(Atspi.CoordType.SCREEN)
        if box.width > 0 and box.height > 0:
            print(box.x, box.y, box.width, box.height)
            return 0
    return 1


def names(pattern, role, panel=None):
    found = [element.get_name() for element in matches(pattern, role, panel=panel)]
    for name in found:
        print(name)
    return 0 if found else 1


def hidden(pattern, role, name):
    return 1 if any(True for _ in matches(pattern, role, name)) else 0


COMMANDS = {"extents": (extents, 3, 3), "names": (names, 2, 3), "hidden": (hidden, 3, 3)}


def main(arguments):
    command = COMMANDS.get(arguments[0]) if arguments else None
    if command is None or not command[1] <= len(arguments) - 1 <= command[2]:
        print(__doc__.strip(), file=sys.stderr)
        return 64
    try:
        return command[0](*arguments[1:])
    except GLib.Error as error:
        print(f"atspi_query: {error.message}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
