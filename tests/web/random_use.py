#!/usr/bin/python3
"""The page under random use in headless Chromium, checked after every event against
what the texts alone say it must show: the other views' oracle and random texts, asked
of a process under node. Clicks, keys and typed text are Chromium's own input events.

usage: random_use.py SITE_DIR ORACLE_JS   (TORVANEL_EVENTS=<n>: that many events, not 10 000)
"""

import os
import random
import subprocess
import sys

from web_check import Failure, Page, Server, wait_until

INPUTS = ("VoltInput", "OhmInput", "AmpereInput")
OUTPUTS = ("VoltOutput", "OhmOutput", "AmpereOutput")
FORMULAS = ("V = R * I", "R = V / I", "I = V / R")
BUTTONS = ("VOLT", "OHM", "AMPERE", "CALCOLO", "HELP", "exithelp", "Fine")
# Each key's code, and the text it types: Enter's makes a button's click.
KEYS = {"Tab": (9, ""), "Delete": (46, ""), " ": (32, " "), "Enter": (13, "\r")}

# Everything a check needs, read in one go: what each control shows and can take.
STATE = """
const shown = (id) => document.getElementById(id);
return {
  inputs: %s.map((id) => shown(id).value),
  outputs: %s.map((id) => shown(id).textContent),
  disabled: %s.map((id) => shown(id).disabled),
  formula: shown('Formula').textContent,
  help: !shown('TESTO').hidden,
  message: shown('message').open,
  ended: !shown('ended').hidden,
  focus: document.activeElement.id,
  centres: Object.fromEntries([...document.querySelectorAll('#calculator [id]')].map((e) => {
    const r = e.getBoundingClientRect();
    return [e.id, [r.x + r.width / 2, r.y + r.height / 2]];
  })),
};""" % (list(INPUTS), list(OUTPUTS), list(INPUTS))


class Oracle:
    def __init__(self, program):
        self.process = subprocess.Popen(["node", "--no-experimental-fetch", program], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True, encoding="utf-8")
        print(self.process.stdout.readline().strip())  # the seed

    def ask(self, request):
        self.process.stdin.write(request + "\n")
        self.process.stdin.flush()
        return self.process.stdout.readline().rstrip("\n")

    def calculation(self, unknown, texts):
        result, error, *after = self.ask(f"calc {unknown} " + "\t".join(texts)).split("\t")
        return result, error == "1", after

    def stop(self):
        self.process.stdin.close()
        self.process.wait(timeout=10)


class Use:
    def __init__(self, page):
        self.page = page
        self.restart()

    def restart(self):
        self.page.open()
        self.expected_result = ""
        self.state = self.read()

    def read(self):
        return self.page.driver.execute_script(STATE)

    def key(self, name):
        code, text = KEYS[name]
        key = dict(key=name, code="Space" if name == " " else name, windowsVirtualKeyCode=code)
        self.page.cdp("Input.dispatchKeyEvent", type="keyDown", text=text, **key)
        self.page.cdp("Input.dispatchKeyEvent", type="keyUp", **key)

    def click(self, control):
        x, y = self.state["centres"][control]
        for kind in ("mousePressed", "mouseReleased"):
            self.page.cdp("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)

    def unknown(self):
        return self.state["disabled"].index(True)


def run(page, oracle, events_wanted, seed):
    choose = random.Random(seed)
    use = Use(page)
    errors = results = 0
    for event in range(events_wanted):
        roll = choose.randrange(100)
        outcome = None
        if roll < 35 or roll >= 95:
            if roll < 35:
                button = choose.choice(BUTTONS)
                button = "CALCOLO" if button == "Fine" and choose.randrange(100) >= 2 else button
            else:  # the space bar on whatever has the focus
                button = use.state["focus"]
                if button == "Fine" and choose.randrange(100) >= 10:
                    continue
            if button == "CALCOLO":
                outcome = oracle.calculation(use.unknown(), use.state["inputs"])
            if roll < 35:
                use.click(button)
            else:
                use.key(" ")
            if button == "Fine":
                wait_until("the page ended", lambda: use.read()["ended"])
                use.restart()
                continue
            if button in BUTTONS[:3]:
                use.expected_result = ""
        elif roll < 80:
            # Typing: into a white box, or into the help text when it covers them.
            target = "TESTO" if use.state["help"] else choose.choice(INPUTS)
            if target != "TESTO" and use.state["disabled"][INPUTS.index(target)]:
                continue
            use.click(target)
            if choose.randrange(100) < 70:
                page.shortcut("a", "selectAll")
                use.key("Delete")
            page.cdp("Input.insertText", text=oracle.ask("text"))
        else:
            use.key("Tab")
        use.state = state = use.read()
        if state["message"]:
            if not (outcome and outcome[1]):
                raise Failure(f"event {event}: a message nobody expected")
            errors += 1
            use.key("Enter")
            wait_until("the message closed", lambda: not use.read()["message"])
            use.state = state = use.read()
        elif outcome and outcome[1]:
            raise Failure(f"event {event}: no message for {use.state['inputs']}")
        if outcome:
            use.expected_result = outcome[0]
            results += outcome[0] != ""
            if state["inputs"] != outcome[2]:
                raise Failure(f"event {event}: the boxes show {state['inputs']}, not {outcome[2]}")
        unknown = use.unknown()
        if state["formula"] != FORMULAS[unknown]:
            raise Failure(f"event {event}: the formula is {state['formula']!r} with row {unknown} unknown")
        shown = [use.expected_result if row == unknown else "" for row in range(3)]
        if state["outputs"] != shown:
            raise Failure(f"event {event}: the results show {state['outputs']}, not {shown}")
        if state["focus"] in INPUTS and state["disabled"][INPUTS.index(state["focus"])]:
            raise Failure(f"event {event}: the focus is on the disabled {state['focus']}")
    print(f"random use: {events_wanted} events, {results} results, {errors} messages")
    if results <= 10:
        raise Failure("too few results to tell anything")


def main():
    site, oracle_program = sys.argv[1:3]
    events = int(os.environ.get("TORVANEL_EVENTS", "10000"))
    seed = int(os.environ.get("TORVANEL_SEED", "20000630"))
    server = Server(os.path.abspath(site))
    oracle = Oracle(oracle_program)
    page = None
    try:
        page = Page(server.url)
        run(page, oracle, events, seed)
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        if page:
            page.stop()
        oracle.stop()
        server.stop()
    return 0


if __name__ == "__main__":
    sys.exit(main())
