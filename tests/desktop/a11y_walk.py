"""Reads the program's accessibility tree through AT-SPI, as a screen reader does.

Usage: a11y_walk.py [--screen WIDTHxHEIGHT] WINDOW_TITLE_REGEX...
Fails on a focusable control without a name, a window without its caption, a table column
without a header and, with --screen, a window off that screen or a control past its window's edge.
"""
import re
import sys
import time

import pyatspi

# Parts of a named control that a screen reader reads with it.
PARTS = {("combo box", "text"), ("combo box", "list"), ("tool bar", "check box")}
WINDOWS = {"frame", "dialog", "window", "alert"}


def application(timeout=20):
    end = time.time() + timeout
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Skylark! Broadcast":
                return app
        time.sleep(0.2)
    sys.exit("the program never joined the accessibility bus")


def shown(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.x + box.width, box.y + box.height


def inside(inner, outer, slack=1):
    return inner[0] >= outer[0] - slack and inner[1] >= outer[1] - slack \
        and inner[2] <= outer[2] + slack and inner[3] <= outer[3] + slack


def children(node):
    return (child for child in map(node.getChildAtIndex, range(node.childCount)) if child is not None)


def cut_off(node, frame, path):
    """Shown controls of the window that reach past its edge; a list's or table's rows scroll."""
    for child in filter(shown, children(node)):
        here = f"{path}/{child.getRoleName()} '{child.name}'"
        if not inside(extents(child), frame):
            yield f"reaches past its window's edge {extents(child)} (window {frame}): {here}"
        if child.getRoleName() not in {"table", "list", "tree table", "page tab list", "menu bar"}:
            yield from cut_off(child, frame, here)


def problems(node, parent_role, path):
    role, name = node.getRoleName(), node.name
    state = node.getState()
    here = f"{path}/{role} '{name}'"
    if shown(node) and state.contains(pyatspi.STATE_FOCUSABLE) and not name.strip() \
            and (parent_role, role) not in PARTS:
        yield f"a focusable {role} has no name: {here}"
    if role == "table" and shown(node):
        table = node.queryTable()
        headers = [table.getColumnHeader(c) for c in range(table.nColumns)]
        unnamed = [c for c, h in enumerate(headers) if h is None or not h.name.strip()]
        if unnamed:
            yield f"the table exposes columns without a header {unnamed}: {here}"
        return
    for child in children(node):
        yield from problems(child, role, here)


def main():
    app = application()
    args = sys.argv[1:]
    screen = None
    if args[:1] == ["--screen"]:
        screen = (0, 0, *(int(n) for n in args[1].split("x")))
        args = args[2:]
    wanted = [re.compile(title) for title in args]
    found, failures = set(), []
    for window in children(app):
        if window.getRoleName() not in WINDOWS:
            failures.append(f"a top-level {window.getRoleName()} '{window.name}' is not a window")
            continue
        if not shown(window):
            continue
        if not window.name.strip():
            failures.append(f"a shown {window.getRoleName()} has no caption")
        found.update(p.pattern for p in wanted if p.fullmatch(window.name))
        failures.extend(problems(window, "", ""))
        if screen:
            frame = extents(window)
            if not inside(frame, screen, 0):
                failures.append(f"'{window.name}' {frame} does not lie wholly on the screen {screen}")
            failures.extend(cut_off(window, frame, f"'{window.name}'"))
    failures.extend(f"no window matches '{p.pattern}'" for p in wanted if p.pattern not in found)
    for failure in failures:
        print(failure)
    print(f"checked {len(found)} window(s), {len(failures)} problem(s)")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
