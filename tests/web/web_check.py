#!/usr/bin/python3
"""The web view in Debian's headless Chromium, driven through ChromeDriver with real
input events: the conformance table read through Chromium's accessibility tree, the page
under its Content-Security-Policy, and a reload with no network once visited.

usage: web_check.py SITE_DIR TABLE
"""

import os
import subprocess
import sys
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "parity"))
from conformance_table import expanded, matches, scenarios  # noqa: E402

SERVER = os.path.join(HERE, "..", "..", "scripts", "serve_site.py")
ROLES = {"button": "push button", "radio": "radio button", "textbox": "text", "note": "label"}
# Ctrl with a letter, and the editing command the browser runs unless the page takes the key.
SHORTCUTS = {"undo": ("z", "undo"), "redo": ("y", "redo"), "copy": ("c", "copy"), "paste": ("v", "paste")}


class Failure(Exception):
    pass


def wait_until(what, condition, limit=20):
    end = time.monotonic() + limit
    while time.monotonic() < end:
        result = condition()
        if result:
            return result
        time.sleep(0.02)
    raise Failure(f"gave up after {limit} s waiting for {what}")


class Server:
    def __init__(self, site):
        # Port 0: the system picks a free one, and the server says which.
        self.process = subprocess.Popen([sys.executable, SERVER, site, "0"], stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, text=True)
        self.url = self.process.stdout.readline().split()[-1]

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait(timeout=10)


class Page:
    """The calculator in one Chromium, read as assistive technology reads it."""

    def __init__(self, url):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--lang=it-IT", "--window-size=800,600",
                         "--disable-gpu", "--force-renderer-accessibility"):
            options.add_argument(argument)
        options.add_experimental_option("prefs", {"intl.accept_languages": "it-IT,it"})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.url = url
        self.cdp("Browser.grantPermissions", origin=url.rstrip("/"),
                 permissions=["clipboardReadWrite", "clipboardSanitizedWrite"])
        self.cdp("Accessibility.enable")

    def cdp(self, command, **parameters):
        return self.driver.execute_cdp_cmd(command, parameters)

    def open(self):
        self.driver.get(self.url)
        wait_until("the page ready", lambda: self.driver.execute_script(
            "return document.documentElement.dataset.ready !== undefined"))

    def node(self, control, relatives=False):
        """The control's node in Chromium's accessibility tree (with its relatives: its
        ancestors, siblings and children after it)."""
        document = self.cdp("DOM.getDocument", depth=0)["root"]["nodeId"]
        found = self.cdp("DOM.querySelector", nodeId=document, selector=f"#{control}")["nodeId"]
        nodes = self.cdp("Accessibility.getPartialAXTree", nodeId=found, fetchRelatives=relatives)["nodes"]
        return nodes if relatives else nodes[0]

    def live_region(self):
        """What the page's polite live region holds, as a screen reader is told it."""
        region, *relatives = self.node("announcement", True)
        states = {p["name"]: p["value"].get("value") for p in region.get("properties", [])}
        if states.get("live") != "polite":
            raise Failure(f"the announcements are not a polite live region: {states}")
        return "".join(node.get("name", {}).get("value", "") for node in relatives
                       if node["nodeId"] in region.get("childIds", []))

    def focused(self):
        for node in self.cdp("Accessibility.getFullAXTree")["nodes"]:
            states = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
            if states.get("focused") and "backendDOMNodeId" in node:
                described = self.cdp("DOM.describeNode", backendNodeId=node["backendDOMNodeId"])["node"]
                attributes = described.get("attributes", [])
                control = dict(zip(attributes[::2], attributes[1::2])).get("id")
                if control:  # the page's own node is focused too
                    return control
        return ""

    def clipboard(self):
        return self.driver.execute_async_script(
            "navigator.clipboard.readText().then(arguments[0], () => arguments[0](''))")

    def shortcut(self, letter, command):
        """Ctrl and a letter as the keyboard sends it; ChromeDriver's own keys type the
        letter and never run the browser's clipboard commands."""
        key = dict(modifiers=2, key=letter, code=f"Key{letter.upper()}", windowsVirtualKeyCode=ord(letter.upper()))
        self.cdp("Input.dispatchKeyEvent", type="rawKeyDown", commands=[command], **key)
        self.cdp("Input.dispatchKeyEvent", type="keyUp", **key)

    def element(self, control):
        return self.driver.find_element(By.ID, control)

    def act(self, act, control, text):
        chain = ActionChains(self.driver)
        if act == "paste":
            self.driver.execute_async_script(
                "navigator.clipboard.writeText(arguments[0]).then(arguments[1])", expanded(text))
        if act in ("type", "erase") or act in SHORTCUTS:
            chain.click(self.element(control)).perform()
            wait_until(f"the focus on {control}", lambda: self.focused() == control)
            ActionChains(self.driver).send_keys(Keys.END).perform()
        if act == "type":
            ActionChains(self.driver).send_keys(text).perform()
        elif act == "erase":
            ActionChains(self.driver).send_keys(Keys.BACKSPACE).perform()
        elif act in SHORTCUTS:
            self.shortcut(*SHORTCUTS[act])
        elif act == "click":
            chain.click(self.element(control)).perform()
        elif act == "tab":
            chain.send_keys(Keys.TAB).perform()

    def look(self, look, control):
        if look == "focus":
            return self.focused()
        if look == "clipboard":
            return self.clipboard()
        if look == "tooltip-starts":
            return self.element(control).get_attribute("title") or ""
        if look == "caption":
            return self.element(control).text
        if look == "announced":
            return self.live_region()
        node = self.node(control)
        states = {p["name"]: p["value"].get("value") for p in node.get("properties", [])}
        if look == "role":
            role = node["role"]["value"]
            return ROLES.get(role, role) + (", checked" if states.get("checked") == "true" else "") + (
                ", disabled" if states.get("disabled") else "")
        if look == "chosen":
            return "1" if states.get("checked") == "true" else "0"
        if look in ("text", "shown-ends"):
            return node.get("value", {}).get("value", "")
        if look == "name":
            return node.get("name", {}).get("value", "")
        if look == "description-starts":
            return node.get("description", {}).get("value", "")
        raise Failure(f"unknown look {look!r}")

    def console_errors(self):
        return [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]

    def stop(self):
        self.driver.quit()


def play(page, name, steps):
    page.open()
    checked = 0
    for act, control, text, look, looked_at, expected in steps:
        page.act(act, control, text)
        # A box's whole text behind a summary is the core's: the shown summary is checked.
        if not look or (look == "text" and "#" in expected):
            continue
        expected = expanded(expected)
        try:
            wait_until(f"{look} {looked_at}", lambda: matches(look, page.look(look, looked_at), expected), 10)
        except Failure:
            seen = page.look(look, looked_at)
            raise Failure(f"{name}: after {act} {control}, {look} {looked_at} is "
                          f"{seen[:80]!r}, not {expected[:80]!r}") from None
        checked += 1
    errors = page.console_errors()
    if errors:
        raise Failure(f"{name}: the console says {errors}")
    print(f"{name}: {checked} looks through Chromium's accessibility tree")
    return checked


def user_ways(page):
    """What the table does not cover and a person in a browser meets: a message as a
    modal dialog, the result's menu from the keyboard, a narrow screen, a fault in the
    page's part, FINE, a module that does not arrive."""
    page.open()
    page.act("type", "AmpereInput", "2m")
    page.act("type", "OhmInput", "4k7x")
    page.act("click", "CALCOLO", "")
    wait_until("the message's OK focused", lambda: page.driver.execute_script(
        "return document.activeElement.id === 'message-ok' && document.getElementById('message').open"))
    dialog = page.node("message")
    if dialog["role"]["value"] != "alertdialog":
        raise Failure(f"a message is not a dialog: {dialog['role']}")
    said = page.driver.find_element(By.ID, "message-text").text
    if "4k7x" not in said:
        raise Failure(f"the message does not quote the text: {said!r}")
    ActionChains(page.driver).send_keys(Keys.ENTER).perform()
    wait_until("the focus back on CALCOLO", lambda: page.focused() == "CALCOLO")
    if page.look("text", "OhmInput") != "4k7x":
        raise Failure("the message lost what was typed")
    # The menu key's twin, Shift+F10, opens the result's menu; Enter on its entry copies.
    page.act("erase", "OhmInput", "")
    page.act("click", "CALCOLO", "")
    wait_until("a result", lambda: page.look("caption", "VoltOutput") == "9,4")
    ActionChains(page.driver).key_down(Keys.SHIFT).send_keys(Keys.F10).key_up(Keys.SHIFT).perform()
    wait_until("the menu's first entry focused", lambda: page.driver.execute_script(
        "return document.activeElement.getAttribute('role') === 'menuitem'"))
    ActionChains(page.driver).send_keys(Keys.ARROW_DOWN).send_keys(Keys.ENTER).perform()
    wait_until("the result copied with its unit", lambda: page.clipboard() == "9,4 V")
    wait_until("the focus back where it was", lambda: page.focused() == "CALCOLO")
    # A phone's width: the whole window scaled down, its layout kept.
    page.driver.set_window_size(400, 600)
    wait_until("the window within the screen", lambda: page.driver.execute_script(
        "const r = document.getElementById('calculator').getBoundingClientRect();"
        "return r.right <= document.documentElement.clientWidth + 1 && r.width > 300"))
    page.driver.set_window_size(800, 600)
    # A fault in the page's part (a label without its text) is logged; the calculator answers on.
    page.driver.execute_script("document.getElementById('Formula').replaceChildren()")
    page.act("click", "OHM", "")
    page.act("type", "VoltInput", "9,4")
    page.act("type", "AmpereInput", "2m")
    page.act("click", "CALCOLO", "")
    wait_until("a result after the fault", lambda: page.look("caption", "OhmOutput") != "")
    page.act("click", "Fine", "")
    wait_until("the ended line, focused", lambda: page.driver.execute_script(
        "return document.activeElement.id === 'ended' && document.getElementById('calculator').hidden"))
    # The module not arriving: a line says so.
    page.cdp("Network.enable")
    page.cdp("Network.setBypassServiceWorker", bypass=True)
    page.cdp("Network.setBlockedURLs", urls=["*torvanel.wasm"])
    page.driver.get(page.url)
    wait_until("the line saying it cannot start, focused", lambda: page.driver.execute_script(
        "return document.activeElement.id === 'failed' && document.getElementById('calculator').hidden"))
    page.cdp("Network.setBlockedURLs", urls=[])
    page.cdp("Network.setBypassServiceWorker", bypass=False)
    print("user ways: message dialog, result menu from the keyboard, narrow screen, FINE, no module")


def offline_reload(page, server):
    """Installable, and once visited, the page opens and computes with the server gone."""
    page.open()
    errors = page.cdp("Page.getInstallabilityErrors")["installabilityErrors"] + page.cdp(
        "Page.getAppManifest")["errors"]
    if errors:
        raise Failure(f"the page cannot be installed: {errors}")
    page.driver.execute_async_script(
        "navigator.serviceWorker.ready.then(() => arguments[0]())")
    wait_until("the service worker in control",
               lambda: page.driver.execute_script("return navigator.serviceWorker.controller !== null"))
    server.stop()
    page.open()
    page.act("type", "OhmInput", "4k7")
    page.act("type", "AmpereInput", "2m")
    page.act("click", "CALCOLO", "")
    wait_until("a result offline", lambda: page.look("caption", "VoltOutput") == "9,4")
    print("offline: the page reloaded and computed with no server")


def main():
    site, table = sys.argv[1:3]
    server = Server(os.path.abspath(site))
    page = None
    try:
        page = Page(server.url)
        checked = sum(play(page, name, steps) for name, steps in scenarios(table))
        user_ways(page)
        offline_reload(page, server)
    except Failure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        if page:
            page.stop()
        server.stop()
    return 0 if checked else 1


if __name__ == "__main__":
    sys.exit(main())
