#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Works the running program through AT-SPI as a screen reader does: prints its tree, checks that every button,
# check box, field and the chart is named, that a mark's checked state and the chart's description follow a
# press, and that Tab takes the focus through every control in the window's order. Every wait polls with a
# limit. Needs DISPLAY and the program's session bus; exits 0 when every check holds.
import subprocess
import sys
import time

import pyatspi

R = pyatspi
NAMED = {R.ROLE_PUSH_BUTTON, R.ROLE_TOGGLE_BUTTON, R.ROLE_CHECK_BOX, R.ROLE_TEXT, R.ROLE_ENTRY, R.ROLE_COMBO_BOX,
         R.ROLE_SPIN_BUTTON, R.ROLE_DATE_EDITOR, R.ROLE_CHART}
# Tab from the temperature: the four marks, the comment, save, delete, About, and round to the date.
TOUR = [R.ROLE_CHECK_BOX] * 4 + [R.ROLE_COMBO_BOX] + [R.ROLE_PUSH_BUTTON] * 3 + [R.ROLE_SPIN_BUTTON]
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


def poll(condition, limit=15.0):
    end = time.monotonic() + limit
    while not (value := condition()) and time.monotonic() < end:
        time.sleep(0.02)
    return value


def walk(node, depth=0):
    yield node, depth
    for child in node:
        yield from walk(child, depth + 1)


def key(node):
    return f"{node.getRoleName()} '{node.name}'" if node is not None else "nothing"


def has(node, state):
    return node.getState().contains(state)


def focused(app):
    # A drop-down's inner line edit stands for the drop-down.
    node = next((n for n, _ in walk(app) if has(n, R.STATE_FOCUSED)), None)
    return node.parent if node is not None and node.getRole() == R.ROLE_TEXT else node


def act(node, name=None):
    action = node.queryAction()
    return any(action.doAction(i) for i in range(action.nActions) if name in (None, action.getName(i)))


def described(node):
    node.clearCache()  # the client library keeps what it read, and the description changes behind its back
    return node.description


app = poll(lambda: next((a for a in R.Registry.getDesktop(0) if a is not None and a.name == "plenta"), None))
if app is None or not poll(lambda: any(n.getRole() == R.ROLE_CHART for n, _ in walk(app))):
    sys.exit("plenta did not appear on the accessibility bus")
nodes = [n for n, _ in walk(app)]
for node, depth in walk(app):
    print("  " * depth + key(node), f"[{node.description}]")
for node in nodes:
    check(node.getRole() not in NAMED or node.name.strip(), f"{node.getRoleName()} without a name")
chart = next(n for n in nodes if n.getRole() == R.ROLE_CHART)
check(described(chart), "the chart has no description")

# The last mark switches no other off; its state and the chart's description follow a press, and a second one.
mark = [n for n in nodes if n.getRole() == R.ROLE_CHECK_BOX][-1]
for on in (True, False):
    act(mark)
    check(poll(lambda: has(mark, R.STATE_CHECKED) == on), f"{key(mark)} is not {'on' if on else 'off'}")
    check(poll(lambda: (mark.name in described(chart)) == on), f"the chart's description with {key(mark)} {on}")

# Tab from the temperature round to the date: each press moves the focus one control on.
tour = [next(n for n in nodes if n.getRole() == R.ROLE_COMBO_BOX)]
check(act(tour[0], "SetFocus") and poll(lambda: key(focused(app)) == key(tour[0])), "no focus on the temperature")
for _ in TOUR:
    subprocess.run(["xdotool", "key", "Tab"], check=True)
    if not check(poll(lambda: key(focused(app)) != key(tour[-1])), f"Tab from {key(tour[-1])} went nowhere"):
        break
    tour.append(focused(app))
print("Tab:", " -> ".join(map(key, tour)))
check([n.getRole() for n in tour[1:]] == TOUR, "Tab visits the controls out of order")
controls = {key(n.parent if n.getRole() == R.ROLE_TEXT else n) for n in nodes if has(n, R.STATE_FOCUSABLE)}
check(set(map(key, tour)) == controls, f"Tab misses {controls - set(map(key, tour))}")
for failure in failures:
    print("FAILED:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
