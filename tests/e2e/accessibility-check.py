#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Works the running program through the AT-SPI accessibility bus as a screen reader does.

Finds the application `plenta` on the bus, prints its tree, and checks that every button, check box, field and
the chart has a name, that a mark's checked state follows a press through its action, and that Tab takes the
focus through every control once, in the window's order. Every wait polls with a limit; no fixed sleeps.
Needs DISPLAY and the session bus of the running program; exits 0 when every check holds.
"""
import subprocess
import sys
import time

import pyatspi

LIMIT_S = 15.0
POLL_S = 0.02
APPLICATION = "plenta"
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_TOGGLE_BUTTON,
    pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_TEXT,
    pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_DATE_EDITOR,
    pyatspi.ROLE_CHART,
}
# The window's Tab order by role, from the temperature: the marks, the comment, save, delete, About, the date.
TOUR_FROM_TEMPERATURE = [pyatspi.ROLE_CHECK_BOX] * 4 + [pyatspi.ROLE_COMBO_BOX] + [
    pyatspi.ROLE_PUSH_BUTTON
] * 3 + [pyatspi.ROLE_SPIN_BUTTON]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def poll(condition, limit=LIMIT_S):
    """The condition's first true value, or its last value when the time is up."""
    end = time.monotonic() + limit
    while True:
        value = condition()
        if value or time.monotonic() > end:
            return value
        time.sleep(POLL_S)


def find_application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APPLICATION:
            return app
    return None


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def describe(node):
    return f"{node.getRoleName()} '{node.name}'"


def control_of(node):
    """A field's inner line edit stands for its field."""
    parent = node.parent
    if node.getRole() == pyatspi.ROLE_TEXT and parent is not None and parent.getRole() == pyatspi.ROLE_COMBO_BOX:
        return parent
    return node


def focused(app):
    for node, _ in walk(app):
        if node.getState().contains(pyatspi.STATE_FOCUSED):
            return control_of(node)
    return None


def same(a, b):
    return a is not None and b is not None and describe(a) == describe(b)


def act(node, name=None):
    """Runs the node's action of this name, or its first; false when it has none such."""
    action = node.queryAction()
    for i in range(action.nActions):
        if name is None or action.getName(i) == name:
            return action.doAction(i)
    return False


def description(node):
    # The client library keeps what it read; the program's description changes behind its back.
    node.clearCache()
    return node.description


def checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


def main():
    app = poll(find_application)
    if app is None:
        print(f"{APPLICATION} did not appear on the accessibility bus", file=sys.stderr)
        return 1
    # The window's controls register once it is shown; the chart is the last of them.
    poll(lambda: any(node.getRole() == pyatspi.ROLE_CHART for node, _ in walk(app)))
    nodes = [node for node, _ in walk(app)]
    for node, depth in walk(app):
        print("  " * depth + describe(node), f"[{node.description}]" if node.description else "")

    for node in nodes:
        if node.getRole() in NAMED_ROLES:
            check(node.name.strip() != "", f"{node.getRoleName()} without a name")
    charts = [node for node in nodes if node.getRole() == pyatspi.ROLE_CHART]
    check(len(charts) == 1 and charts[0].description != "", "no chart with a description")
    marks = [node for node in nodes if node.getRole() == pyatspi.ROLE_CHECK_BOX]
    check(len(marks) == 4, f"{len(marks)} marks instead of 4")

    # The last mark switches nothing else off; its checked state and the chart's description follow a press.
    if marks and charts:
        mark = marks[-1]
        was = checked(mark)
        act(mark)
        check(poll(lambda: checked(mark) != was), f"{describe(mark)} stayed as it was after a press")
        check(
            poll(lambda: mark.name in description(charts[0])) or was,
            f"the chart's description does not name {describe(mark)}",
        )
        act(mark)
        check(poll(lambda: checked(mark) == was), f"{describe(mark)} did not return after a second press")

    # Tab from the temperature round to the date: every focus change is one step of the tour.
    controls = [control_of(node) for node in nodes if node.getState().contains(pyatspi.STATE_FOCUSABLE)]
    controls = [node for i, node in enumerate(controls) if not any(same(node, seen) for seen in controls[:i])]
    temperature = next((n for n in controls if n.getRole() == pyatspi.ROLE_COMBO_BOX), None)
    if check(temperature is not None, "no temperature field"):
        check(act(temperature, "SetFocus"), "the temperature field has no focus action")
        check(poll(lambda: same(focused(app), temperature)), "the temperature field did not take the focus")
    tour = [temperature]
    for _ in TOUR_FROM_TEMPERATURE:
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        step = poll(lambda: (lambda now: now if now is not None and not same(now, tour[-1]) else None)(focused(app)))
        if not check(step is not None, f"Tab from {describe(tour[-1])} moved the focus nowhere"):
            break
        tour.append(step)
    print("Tab:", " -> ".join(describe(node) for node in tour))
    check([node.getRole() for node in tour[1:]] == TOUR_FROM_TEMPERATURE, "Tab visits the controls out of order")
    check(sorted(map(describe, tour)) == sorted(map(describe, controls)), "Tab misses controls")

    for failure in failures:
        print("FAILED:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
