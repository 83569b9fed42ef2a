#!/usr/bin/env python3
"""Walks every window of the program through the accessibility bus (AT-SPI) and fails on a control that
takes the focus but has no name.

    atspi_walk.py DRIVER [DRIVER ARGUMENTS...]

DRIVER is tests/accessibility/window_tour_driver: it shows one scene after another and waits for a line on
its stdin between them. For each scene the walk reads every window of the driver's application, all of
their descendants included (those of hidden tab pages as well), and checks:
  - every object that is focusable has a name;
  - no object is a lone "." (the dots of an address control read on their own);
  - "addresses=N": at least N focusable edit fields whose text is a whole IPv4 address;
  - "busy=N": at least N busy indicators that report themselves busy;
  - "rows=N": at least N property grid rows that read "name, value" (a tree's cells);
  - "row=VALUE": a property grid row that reads "name, VALUE".
Run it inside dbus-run-session with the accessibility bus and registry running (run_atspi_walk.sh)."""

import os
import re
import subprocess
import sys
import time

import pyatspi

ADDRESS = re.compile(r"^\d{1,3}\.\d{1,3}\.\d{1,3}\.\d{1,3}$")
# A grid row as a screen reader reads it: "name, value" (the value may be empty).
GRID_ROW = re.compile(r"^[^,]+, .*$")
CELL_ROLES = {pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TREE_ITEM, pyatspi.ROLE_LIST_ITEM}
EDIT_ROLES = {pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_SPIN_BUTTON}


def find_application(pid, deadline):
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:
                pass
        time.sleep(0.2)
    return None


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, -1)
    except NotImplementedError:
        return None
    except Exception:
        return None


def walk(node, path, found, depth=0, in_tree=False):
    if node is None or depth > 40:
        return
    try:
        role = node.getRole()
        role_name = node.getRoleName()
        name = node.name or ""
        states = node.getState()
    except Exception as error:  # an object that went while we read it
        found["errors"].append(f"{path}: unreadable ({error})")
        return
    here = f"{path}/{role_name}" + (f"[{name}]" if name else "")
    found["objects"] += 1
    focusable = states.contains(pyatspi.STATE_FOCUSABLE)
    if focusable:
        found["focusable"] += 1
        if not name.strip():
            found["unnamed"].append(here)
    if name.strip() == "." or (role == pyatspi.ROLE_LABEL and (text_of(node) or "").strip() == "."):
        found["dots"].append(here)
    if focusable and role in EDIT_ROLES:
        text = text_of(node) or ""
        if ADDRESS.match(text):
            found["addresses"].append(f"{here} = {text}")
    if states.contains(pyatspi.STATE_BUSY):
        found["busy"].append(here)
    if role in CELL_ROLES and in_tree and GRID_ROW.match(name):
        found["rows"].append(name)
    # Table cells are read by the table; walk only its first rows.
    count = node.childCount
    if role in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST):
        count = min(count, 120)
    for index in range(count):
        try:
            child = node.getChildAtIndex(index)
        except Exception:
            continue
        walk(child, here, found, depth + 1, in_tree or role == pyatspi.ROLE_TREE_TABLE or role == pyatspi.ROLE_TREE)


def check_scene(app, scene, expectations):
    found = {"objects": 0, "focusable": 0, "unnamed": [], "dots": [], "addresses": [], "busy": [], "rows": [],
             "errors": []}
    for index in range(app.childCount):
        walk(app.getChildAtIndex(index), "", found)
    failures = []
    for entry in found["unnamed"]:
        failures.append(f"focusable without a name: {entry}")
    for entry in found["dots"]:
        failures.append(f"a lone dot: {entry}")
    failures += found["errors"]
    for expectation in expectations:
        key, _, value = expectation.partition("=")
        if key in ("addresses", "busy", "rows") and len(found[key]) < int(value):
            failures.append(f"{key}: expected at least {value}, found {len(found[key])}: {found[key]}")
        if key == "row" and not any(row.endswith(", " + value) for row in found["rows"]):
            failures.append(f"no grid row reads 'name, {value}': {found['rows']}")
    print(f"{scene}: {found['objects']} objects, {found['focusable']} focusable, "
          f"{len(found['addresses'])} address fields, {len(found['busy'])} busy, {len(found['rows'])} grid rows")
    for entry in sorted(set(found["rows"]))[:6]:
        print(f"  grid row {entry}")
    for entry in found["addresses"]:
        print(f"  address field {entry}")
    for failure in failures:
        print(f"  FAIL {scene}: {failure}")
    return failures


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    env = dict(os.environ)
    env["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1"
    env["QT_ACCESSIBILITY"] = "1"
    env.setdefault("QT_QPA_PLATFORM", "xcb")
    driver = subprocess.Popen(sys.argv[1:], stdin=subprocess.PIPE, stdout=subprocess.PIPE, env=env, text=True)
    failures = []
    scenes = 0
    app = None
    try:
        for line in driver.stdout:
            words = line.split()
            if not words:
                continue
            if words[0] == "DONE":
                break
            if words[0] != "SCENE":
                continue
            scene = words[1]
            if app is None:
                app = find_application(driver.pid, time.time() + 20)
                if app is None:
                    print("the driver's application never appeared on the accessibility bus")
                    return 1
            time.sleep(0.3)
            failures += check_scene(app, scene, words[2:])
            scenes += 1
            driver.stdin.write("next\n")
            driver.stdin.flush()
    finally:
        try:
            driver.stdin.close()
        except Exception:
            pass
        try:
            status = driver.wait(timeout=20)
        except subprocess.TimeoutExpired:
            driver.kill()
            status = driver.wait()
    if status != 0:
        failures.append(f"the driver ended with status {status}")
    if scenes == 0:
        failures.append("no scene was shown")
    print(f"{scenes} scenes, {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
