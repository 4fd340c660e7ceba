#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Tumbledown developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The board as a screen reader reads it over AT-SPI: the spots of every screen
with their names, their press action, and the change events of a panel and a
roll. Run inside a D-Bus session and an X display (see CMakeLists.txt)."""

import os
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 30  # seconds for any one step
events = []
NODE = None


def fail(message):
    print("FAIL:", message, file=sys.stderr)
    sys.exit(1)


def wait_for(what, found):
    """Pumps AT-SPI's events until found() gives something, or fails."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        while context.iteration(False):
            pass
        result = found()
        if result:
            return result
        time.sleep(0.05)
    fail("timed out waiting for " + what + "; the board has " + repr(sorted(children(NODE)) if NODE else None))


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Tumbledown":
            return app
    return None


def board(app):
    for frame in app:
        for child in frame:
            if child is not None and child.name == "Board":
                return child
    return None


def children(node):
    return {child.name: child for child in node if child is not None}


def texts(node):
    """The board's texts that say something now."""
    return [child.name for child in node
            if child is not None and child.getRole() == pyatspi.ROLE_LABEL and child.name]


def spots_named(node, names):
    """The board's children once all these names are among them."""
    now = children(node)
    return now if all(name in now for name in names) else None


def press(node, name):
    action = children(node)[name].queryAction()
    action.doAction(0)


def announced(test):
    """Whether a text of the board was announced with a name that passes test."""
    return lambda: any(role == pyatspi.ROLE_LABEL and test(name) for role, name in events)


def main(program):
    data = tempfile.mkdtemp()
    # A first run names the players and sees every welcome, so that the
    # boards come up without a box.
    setup = os.path.join(data, "setup.txt")
    with open(setup, "w") as f:
        f.write("dialog 202 101=ANN 102=BEN ok\nmenu 101\nmenu 152\nmenu 102\nmenu 152\n"
                "menu 103\n")
    subprocess.run([program, "--replay", setup, "--data-dir", data], check=True,
                   env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), stderr=subprocess.DEVNULL)

    pyatspi.Registry.registerEventListener(
        lambda e: events.append((e.source.getRole(), e.source.name or "")),
        "object:property-change:accessible-name")
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    if "ASAN_OPTIONS" in env:
        # The X keyboard library hands a counted, unterminated name to strndup,
        # which the strict string checks take for an overflow.
        env["ASAN_OPTIONS"] += ":strict_string_checks=0"
    app_process = subprocess.Popen([program, "--data-dir", data], env=env,
                                   stderr=subprocess.DEVNULL)
    try:
        global NODE
        node = NODE = wait_for("the board on the bus", lambda: board(application() or []))
        main_screen = ["10,000", "Poker Dice", "Shut The Box", "Help", "Top scores", "About",
                       "Next tip"]
        spots = wait_for("the main screen's spots", lambda: spots_named(node, main_screen))
        if spots["10,000"].getRole() != pyatspi.ROLE_PUSH_BUTTON:
            fail("a game's picture is not a button")
        tip = wait_for("the tip read out", lambda: texts(node))
        events.clear()
        press(node, "Next tip")
        wait_for("the next tip announced", announced(lambda name: name and name not in tip))

        press(node, "Poker Dice")
        wait_for("Poker Dice's spots", lambda: spots_named(
            node, ["Roll", "Aces wild, off", "Player one, ANN", "Play", "Main screen"]))
        if children(node)["Aces wild, off"].getRole() != pyatspi.ROLE_CHECK_BOX:
            fail("aces wild is not a switch")
        press(node, "Main screen")
        wait_for("the main screen again", lambda: spots_named(node, main_screen))

        press(node, "Shut The Box")
        wait_for("Shut The Box's spots", lambda: spots_named(
            node, ["Cup, roll the dice", "Gremlin, off", "Player one, ANN", "Main screen"]))
        press(node, "Cup, roll the dice")
        wait_for("the dice thrown announced", announced(lambda name: name.startswith("Dice: ")))
        wait_for("a box that can be shut", lambda: any(
            name.startswith("Box ") and name.endswith(", open") for name in children(node)))
        press(node, "Main screen")
        wait_for("the main screen again", lambda: spots_named(node, main_screen))

        press(node, "10,000")
        wait_for("10,000's start prompt", lambda: spots_named(node, ["Play", "Quit"]))
        wait_for("the start prompt read out", lambda: any(
            "IS FIRST THIS TIME" in name for name in children(node)))
        events.clear()
        press(node, "Play")
        # The panel goes: its text is announced as emptied; the panes are live.
        wait_for("the panel's change announced", announced(lambda name: name == ""))
        wait_for("the panes", lambda: spots_named(
            node, ["Roll", "Pass", "Straight, 3000 points", "Player one, ANN"]))
        events.clear()
        press(node, "Roll")
        wait_for("the roll announced", announced(lambda name: name.startswith("Dice: ")))
    finally:
        app_process.terminate()
        app_process.wait(TIMEOUT)
    print("ok")


if __name__ == "__main__":
    main(sys.argv[1])
