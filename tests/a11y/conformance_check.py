#!/usr/bin/python3
"""Plays the conformance table against the Linux program from outside, as assistive
technology meets it: keys and clicks from xdotool on a private X server; names, roles,
states, descriptions, the focus and announcements read through AT-SPI. What AT-SPI does
not carry (the clipboard, tooltips, a text too long to type) is checked in-process by
gui_tests; a scenario stops at its first paste.

usage: dbus-run-session -- conformance_check.py PROGRAM TABLE WORK_DIR
"""

import os
import shutil
import sys

import pyatspi
from gi.repository import GLib

from orca_check import Failure, Session, wait_until

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "parity"))
from conformance_table import matches, scenarios  # noqa: E402

# How a user finds each control: by its role and name (a result's name goes on with its value).
CONTROLS = {name: ("push button", name) for name in ("CALCOLO", "HELP", "exithelp")}
CONTROLS.update({name: ("radio button", name) for name in ("VOLT", "OHM", "AMPERE")})
CONTROLS["Fine"] = ("push button", "FINE")
for row, quantity in (("Volt", "Tensione V (volt)"), ("Ohm", "Resistenza R (ohm)"), ("Ampere", "Corrente I (ampere)")):
    CONTROLS[row + "Input"] = ("text", quantity + ", input dati")
    CONTROLS[row + "Output"] = ("label", quantity + ", risultati")
KEYS = {"undo": "ctrl+z", "redo": "ctrl+y", "copy": "ctrl+c", "erase": "BackSpace"}
# Not assistive technology's: the clipboard, tooltips, and a caption's figure alone (its
# label is named with the figure and its unit, which the name looks check).
UNREAD = ("clipboard", "tooltip-starts", "caption")
READ = ("text", "shown-ends", "chosen", "name", "role", "description-starts", "focus", "announced")


class Program:
    """One run of the program, seen through AT-SPI."""

    def __init__(self, session):
        self.session = session
        self.announced = ""
        env = dict(session.env, LANG="it_IT.UTF-8", LANGUAGE="it", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.process = session.start("program", [session.program], env=env)
        self.window = wait_until("the program's window in the accessibility tree", self.find_window)
        pyatspi.Registry.registerEventListener(self.heard, "object:state-changed:showing")

    def find_window(self):
        self.pump()
        for app in pyatspi.Registry.getDesktop(0):
            for window in app or []:
                if window and window.name.startswith("TORVANEL"):
                    return window
        return None

    def heard(self, event):
        if event.source.getRoleName() == "notification" and event.detail1:
            self.announced = event.source.name

    def pump(self):
        context = GLib.MainContext.default()
        while context.iteration(False):
            pass

    def find(self, control):
        role, name = CONTROLS[control]
        found = pyatspi.findDescendant(self.window, lambda a: a.getRoleName() == role and a.name.startswith(name))
        if found is None:
            raise Failure(f"no {role} named {name!r}")
        return found

    def control_of(self, accessible):
        return next((c for c, (role, name) in CONTROLS.items()
                     if accessible.getRoleName() == role and accessible.name.startswith(name)), accessible.name)

    def click(self, control):
        extents = self.find(control).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.session.run("xdotool", "mousemove", str(extents.x + extents.width // 2),
                         str(extents.y + extents.height // 2), "click", "1")

    def act(self, act, control, text):
        if act != "-":
            self.announced = ""  # what an act says is its own
        if act in ("type", "undo", "redo", "copy", "erase"):
            self.click(control)
            wait_until(f"the focus on {control}", lambda: self.look("focus", "") == control)
        if act == "type":
            self.session.run("xdotool", "key", "End", "type", text)
        elif act in KEYS:
            self.session.run("xdotool", "key", "--clearmodifiers", KEYS[act])
        elif act == "click":
            self.click(control)
        elif act == "tab":
            self.session.run("xdotool", "key", "Tab")

    def look(self, look, control):
        self.pump()
        if look == "focus":
            focused = pyatspi.findDescendant(self.window, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED))
            return self.control_of(focused) if focused else ""
        if look == "announced":
            return self.announced
        seen = self.find(control)
        states = seen.getState()
        if look == "role":
            return seen.getRoleName() + "".join(
                words for state, on, words in ((pyatspi.STATE_CHECKED, True, ", checked"),
                                               (pyatspi.STATE_ENABLED, False, ", disabled"))
                if states.contains(state) == on)
        if look == "chosen":
            return "1" if states.contains(pyatspi.STATE_CHECKED) else "0"
        if look in ("text", "shown-ends"):
            text = seen.queryText()
            return text.getText(0, text.characterCount)
        if look == "name":
            return seen.name
        if look == "description-starts":
            return seen.description
        raise Failure(f"unknown look {look!r}")

    def stop(self):
        pyatspi.Registry.deregisterEventListener(self.heard, "object:state-changed:showing")
        self.process.terminate()
        self.process.wait(timeout=10)


def play(session, name, steps):
    unknown = {look for _, _, _, look, _, _ in steps if look and look not in READ + UNREAD}
    if unknown:
        raise Failure(f"{name}: unknown looks {sorted(unknown)}")
    playable = steps[:next((i for i, step in enumerate(steps) if step[0] == "paste"), len(steps))]
    if not any(look in READ and "#" not in expected for _, _, _, look, _, expected in playable):
        print(f"{name}: nothing to read before its first paste; checked in-process only")
        return 0
    program = Program(session)
    checked = 0
    try:
        for act, control, text, look, looked_at, expected in playable:
            program.act(act, control, text)
            if not look or look in UNREAD or "#" in expected:
                continue
            try:
                wait_until(f"{look} {looked_at}", lambda: matches(look, program.look(look, looked_at), expected), 10)
            except Failure:
                raise Failure(f"{name}: after {act} {control}, {look} {looked_at} is "
                              f"{program.look(look, looked_at)!r}, not {expected!r}") from None
            checked += 1
    finally:
        program.stop()
    print(f"{name}: {checked} looks through AT-SPI")
    return checked


def main():
    program, table, work = sys.argv[1:4]
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    session = Session(os.path.abspath(program), work)
    try:
        session.start_desktop()
        os.environ.update(DISPLAY=session.env["DISPLAY"])
        checked = sum(play(session, name, steps) for name, steps in scenarios(table))
    except Failure as failure:
        print(f"FAILED: {failure}\n--- logs in {work}", file=sys.stderr)
        return 1
    finally:
        session.stop()
    return 0 if checked else 1


if __name__ == "__main__":
    sys.exit(main())
