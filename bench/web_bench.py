#!/usr/bin/python3
"""The page's figures in headless Chromium: first visits with the HTTP cache off,
alternating with a plain page of the same eighteen controls and no script (the time
until the calculator answers against the time until the plain page has loaded); the
bytes a first visit loads, compressed; and a CALCOLO click to its result inside the page.

usage: web_bench.py SITE_DIR [RUNS]
"""

import gzip
import os
import shutil
import statistics
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
from web_check import Page, Server, wait_until  # noqa: E402

LOADED = ("index.html", "calculator.css", "calculator.js", "torvanel.wasm",
          "manifest.webmanifest", "torvanel.png", "service-worker.js")
CLICKS = """
const box = (id) => document.getElementById(id);
box('OhmInput').value = '4k7';
box('OhmInput').dispatchEvent(new Event('input'));
const times = [];
for (let i = 0; i < arguments[0]; ++i) {
  box('AmpereInput').value = String(1 + i % 9) + 'm';
  box('AmpereInput').dispatchEvent(new Event('input'));
  const start = performance.now();
  box('CALCOLO').click();
  times.push(performance.now() - start);
  if (box('VoltOutput').textContent === '') throw new Error('no result');
}
return times;
"""


def plain_page(page, folder):
    """The calculator's controls as our page builds them, in a page with no script."""
    page.open()
    controls = page.driver.execute_script(
        "const c = document.getElementById('calculator').cloneNode(true);"
        "c.querySelectorAll('[title],[aria-description]').forEach((e) => {"
        "  e.removeAttribute('title'); e.removeAttribute('aria-description'); });"
        "return c.outerHTML")
    shutil.copy(os.path.join(page.site, "calculator.css"), folder)
    with open(os.path.join(folder, "index.html"), "w", encoding="utf-8") as plain:
        plain.write('<!DOCTYPE html><html lang="it"><head><meta charset="utf-8"><title>TORVANEL</title>'
                    f'<link rel="stylesheet" href="calculator.css"></head><body>{controls}</body></html>')


def first_visit(page, url, ready):
    page.cdp("Network.enable")
    page.cdp("Network.setCacheDisabled", cacheDisabled=True)
    page.cdp("Network.setBypassServiceWorker", bypass=True)
    page.driver.get("about:blank")
    page.driver.get(url)
    return wait_until("the page ready", lambda: page.driver.execute_script(ready))


def main():
    site = os.path.abspath(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    plain_folder = tempfile.mkdtemp(prefix="torvanel-plain-")
    ours, plain = Server(site), Server(plain_folder)
    page = Page(ours.url)
    page.site = site
    try:
        plain_page(page, plain_folder)
        ready = ("const m = performance.getEntriesByName('torvanel-ready')[0]; return m && m.startTime")
        loaded = ("const n = performance.getEntriesByType('navigation')[0];"
                  "return n && n.loadEventEnd > 0 && n.loadEventEnd")
        times = {"ours": [], "plain": []}
        for _ in range(runs):
            times["plain"].append(first_visit(page, plain.url, loaded))
            times["ours"].append(first_visit(page, ours.url, ready))
        pairs = [o / p for o, p in zip(times["ours"], times["plain"])]
        clicks = sorted(page.driver.execute_script(CLICKS, 1000))
        compressed = {name: len(gzip.compress(open(os.path.join(site, name), "rb").read(), 9)) for name in LOADED}
    finally:
        page.stop()
        ours.stop()
        plain.stop()
        shutil.rmtree(plain_folder, ignore_errors=True)
    median = {name: statistics.median(values) for name, values in times.items()}
    print(f"first visit, cache off, {runs} alternating runs:")
    print(f"  calculator answering: median {median['ours']:.1f} ms (min {min(times['ours']):.1f})")
    print(f"  plain page loaded:    median {median['plain']:.1f} ms (min {min(times['plain']):.1f})")
    print(f"  ratio of the medians: {median['ours'] / median['plain']:.2f}; of each pair: median "
          f"{statistics.median(pairs):.2f} (target at most 1.3)")
    print(f"loaded, gzip -9: {sum(compressed.values()) / 1024:.1f} KB (target at most 120 KB): " +
          ", ".join(f"{name} {size / 1024:.1f}" for name, size in compressed.items()))
    print(f"CALCOLO click to result in the page: median {statistics.median(clicks) * 1000:.0f} µs, "
          f"95th percentile {clicks[949] * 1000:.0f} µs (target under 1 ms)")


if __name__ == "__main__":
    main()
