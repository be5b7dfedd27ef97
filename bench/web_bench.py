#!/usr/bin/python3
"""The web edition against a bare page with one button, in one run, in headless Chromium on this
machine, as Markdown: bench/web.sh [LOADS] [ROUNDS] runs it on build-web/site.

  web_bench.py SITE [--loads N] [--rounds N] [--presses N]

- Size: everything a program's page loads, as a server sends it compressed (gzip -9, and brotli),
  and the whole site.
- Load: from navigation until the main window is finished: its picture painted (the page's largest
  contentful paint) and every font it uses arrived; medians of LOADS, programs and the bare page
  interleaved, from a local web server (Debian's python3 http.server).
- Press: each press as a real click (Chrome's own input events), from the input until the next frame
  that shows what it changed (Event Timing: an entry for every press over 16 ms), over whole rounds.
- Memory: ROUNDS whole rounds in one tab, the page opened anew for each as a pupil does, sampled after
  each: the renderer's JavaScript heap, the page's WebAssembly memory, its DOM nodes and listeners;
  and within one page, every window and box of the program opened and closed ROUNDS times."""

import argparse
import brotli
import contextlib
import gzip
import pathlib
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "web"))
from check_pages import browser, server  # noqa: E402  (the checks' browser and server, as they are)

PROGRAMS = ["tavrel", "gondila", "mirskav", "luzema", "fendrok"]

BARE = """<!doctype html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<meta http-equiv="Content-Security-Policy" content="default-src 'none'">
<title>Bare</title>
</head>
<body><main><button type="button">OK</button></main></body>
</html>
"""

# Watches the page from before its own script: the largest contentful paint and the press events
# over a frame.
PROBE = """
window.probe = {lcp: 0, slow: [], presses: 0, work: []};
new PerformanceObserver(list => { for (const e of list.getEntries()) probe.lcp = Math.max(probe.lcp, e.renderTime || e.loadTime); })
  .observe({type: 'largest-contentful-paint', buffered: true});
new PerformanceObserver(list => { for (const e of list.getEntries()) if (e.name == 'click') probe.slow.push(e.duration); })
  .observe({type: 'event', durationThreshold: 16, buffered: true});
// The work a press makes the page do before a frame can show it: its handlers, then the frame's
// style, layout and paint (from the frame's start until the task after it), without the time the
// page waits idle for the frame.
addEventListener('click', () => { ++probe.presses; probe.start = performance.now(); }, true);
addEventListener('click', () => {
  const handled = performance.now() - probe.start;
  requestAnimationFrame(() => {
    const frame = performance.now();
    const after = new MessageChannel();
    after.port1.onmessage = () => probe.work.push(handled + performance.now() - frame);
    after.port2.postMessage(0);
  });
});
"""

FINISHED = """
const done = arguments[arguments.length - 1];
const wait = () => {
  const built = document.querySelector('[data-form=Form1], main button');
  if (!built || !probe.lcp || document.fonts.status != 'loaded') return setTimeout(wait, 20);
  const fonts = performance.getEntriesByType('resource').filter(e => e.name.endsWith('.woff2'));
  done({finished: Math.max(probe.lcp, ...fonts.map(e => e.responseEnd)), resources: performance.getEntriesByType('resource').map(e => e.name)});
};
wait();
"""


def median(values):
    return statistics.median(values) if values else float("nan")


def sizes(site, files):
    raw = sum((site / f).stat().st_size for f in files)
    gz = sum(len(gzip.compress((site / f).read_bytes(), 9)) for f in files)
    br = sum(len(brotli.compress((site / f).read_bytes())) for f in files)
    return raw, gz, br


def kib(size):
    return f"{size / 1024:.1f}"


def open_page(driver, url):
    driver.get(url)
    return driver.execute_async_script(FINISHED)


def with_probe(driver):
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": PROBE})


def click(driver, selector):
    """A real click at the element's middle, as Chrome's input delivers one."""
    x, y = driver.execute_script("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                                 "return [r.left + r.width / 2, r.top + r.height / 2];", selector)
    for kind in ("mousePressed", "mouseReleased"):
        driver.execute_cdp_cmd("Input.dispatchMouseEvent", {"type": kind, "x": x, "y": y, "button": "left", "clickCount": 1})


def close_box(driver):
    if driver.execute_script("return !!document.querySelector('dialog[open]');"):
        click(driver, "dialog button")


def measure_sizes(site):
    print("## Size, as a server sends it (KiB)\n")
    print("| page | files | raw | gzip -9 | brotli |")
    print("|---|---:|---:|---:|---:|")
    with server(site) as address, browser() as driver:
        with_probe(driver)
        for name in ["bare"] + PROGRAMS:
            loaded = open_page(driver, address + name + ".html")["resources"]
            files = [name + ".html"] + [r[len(address):] for r in loaded if r.startswith(address)]
            raw, gz, br = sizes(site, files)
            print(f"| {name} | {len(files)} | {kib(raw)} | {kib(gz)} | {kib(br)} |")
    everything = [str(p.relative_to(site)) for p in site.rglob("*") if p.is_file() and p.name != "bare.html"]
    raw, gz, br = sizes(site, everything)
    print(f"| the whole site | {len(everything)} | {kib(raw)} | {kib(gz)} | {kib(br)} |\n")


def measure_loads(site, loads):
    print(f"## Load: navigation to the finished main window, from the local server (ms, median of {loads})\n")
    print("| page | median | worst | over bare |")
    print("|---|---:|---:|---:|")
    times = {name: [] for name in ["bare"] + PROGRAMS}
    with server(site) as address, browser() as driver:
        with_probe(driver)
        for name in times:  # once each first: the browser's own caches warm, as a second visit finds them
            open_page(driver, address + name + ".html")
        for _ in range(loads):
            for name in times:
                times[name].append(open_page(driver, address + name + ".html")["finished"])
    bare = median(times["bare"])
    for name, values in times.items():
        print(f"| {name} | {median(values):.1f} | {max(values):.1f} | {median(values) / bare:.2f}x |")
    print()


def measure_presses(site, rounds):
    print(f"## Press: {rounds} whole rounds by real clicks (ms)\n")
    print("The work: the press's handlers and the frame that shows it (style, layout, paint), without the")
    print("wait for that frame. Input to frame: Chrome's Event Timing, from the input until the next frame")
    print("is presented, in 8 ms steps, which only presses over 16 ms report.\n")
    print("| page | presses | work: median | 99th percentile | worst | input to frame over 16 ms | its 99th percentile |")
    print("|---|---:|---:|---:|---:|---:|---:|")
    with server(site) as address, browser() as driver:
        with_probe(driver)
        open_page(driver, address + "bare.html")
        for _ in range(500):
            click(driver, "main button")
        report(driver, "bare")
        for name in PROGRAMS:
            presses, slow, work = 0, [], []
            for _ in range(rounds):
                open_page(driver, address + name + ".html")
                play_whole_round(driver, name, real=True)
                time.sleep(0.1)
                presses += driver.execute_script("return probe.presses;")
                slow += driver.execute_script("return probe.slow;")
                work += driver.execute_script("return probe.work;")
            print_presses(name, presses, slow, work)
    print()


def report(driver, name):
    time.sleep(0.1)
    print_presses(name, *driver.execute_script("return [probe.presses, probe.slow, probe.work];"))


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(len(ordered) * fraction))] if ordered else float("nan")


def print_presses(name, presses, slow, work):
    over = sorted(slow)
    # Every press without an entry took 16 ms or less to its frame.
    rank = int(presses * 0.99)
    p99 = "≤ 16" if presses - len(over) > rank else f"{over[rank - (presses - len(over))]:.0f}"
    print(f"| {name} | {presses} | {median(work):.2f} | {percentile(work, 0.99):.2f} | {max(work):.2f} | {len(over)} | {p99} |")


def play_whole_round(driver, name, real):
    """Every button of a round, until the end message: the rules before the start (allowed), "Начало",
    then for each item the rules (refused while it waits), both answers (Luzema: the check), the
    rules, the result where there is one, and the next item; every box closed by "OK" and every
    window by its close button, as soon as they show."""
    has = set(driver.execute_script("return [...document.querySelectorAll('[data-form=Form1] button')].map(b => b.dataset.control);"))
    if real:
        press = lambda c: click(driver, f'[data-form=Form1] [data-control="{c}"]')
        close = lambda s: click(driver, s)
    else:
        press = lambda c: driver.execute_script(f"document.querySelector('[data-form=Form1] [data-control=\"{c}\"]').click();")
        close = lambda s: driver.execute_script(f"document.querySelector('{s}').click();")

    def settle():
        while driver.execute_script("return !!document.querySelector('dialog[open]');"):
            close("dialog button")
        for form in driver.execute_script("return [...document.querySelectorAll('[data-form]:not([data-form=Form1])')].map(f => f.dataset.form);"):
            close(f'.window:has([data-form="{form}"]) .caption button')

    press("Command1")
    settle()
    press("Command2")
    buttons = ["Command1", "Command4" if name == "luzema" else "Command3", "Command4", "Command1", "Command6", "Command5"]
    for _ in range(200):
        ended = False
        for control in buttons:
            if control not in has:
                continue
            press(control)
            ended = control == "Command5" and driver.execute_script(
                "return document.querySelector('dialog[open] p')?.textContent.startsWith('Опрос');")
            settle()
        if ended:
            return


# The page's own: its nodes, and the listeners on them, the document and the window.
COUNTERS = ("(() => { const all = [...document.querySelectorAll('*'), document, window];"
            "return [all.length, all.reduce((n, e) => n + Object.values(getEventListeners(e)).reduce((m, l) => m + l.length, 0), 0)]; })()")


def page_counters(driver):
    driver.execute_cdp_cmd("HeapProfiler.collectGarbage", {})
    heap = driver.execute_cdp_cmd("Runtime.getHeapUsage", {})["usedSize"]
    nodes, listeners = driver.execute_cdp_cmd("Runtime.evaluate", {"expression": COUNTERS, "includeCommandLineAPI": True,
                                                                    "returnByValue": True})["result"]["value"]
    return heap, nodes, listeners


# A whole round as play_whole_round plays it, by the buttons' click() in the page itself: quick
# enough for a thousand rounds.
ROUND = """
const [luzema, done] = arguments;
const button = c => document.querySelector(`[data-form=Form1] [data-control="${c}"]`);
// A box closes with its close event, a task later: the next press waits for it, as a pupil's does.
const task = () => new Promise(resolve => setTimeout(resolve));
const press = async c => {
  button(c)?.click();
  const box = document.querySelector('dialog[open]');
  if (box) { box.querySelector('button').click(); await task(); }
  for (const close of document.querySelectorAll('.window .caption button')) close.click();
  return !!box;
};
(async () => {
  await press('Command1'); await press('Command2');
  for (let i = 0; i < 200; ++i)
    for (const c of ['Command1', luzema ? 'Command4' : 'Command3', 'Command4', 'Command1', 'Command6', 'Command5'])
      if (await press(c) && c == 'Command5') return i + 1;
  return -1;
})().then(done);
"""


BUILT = """
const done = arguments[arguments.length - 1];
const wait = () => document.querySelector('[data-form=Form1]') ? done() : setTimeout(wait, 10);
wait();
"""


def measure_memory(site, rounds):
    print(f"## Memory: {rounds} whole rounds in one tab, and every window and box {rounds} times in one page\n")
    print("| page | JS heap after round 1 (KiB) | after the last | WebAssembly memory (KiB) | in one page: JS heap growth, first half | second half | DOM nodes growth | listeners growth |")
    print("|---|---:|---:|---:|---:|---:|---:|---:|")
    # Without the probe, which keeps a record of every press.
    with server(site) as address, browser() as driver:
        for name in PROGRAMS:
            heaps = []
            for _ in range(rounds):
                driver.get(address + name + ".html")
                driver.execute_async_script(BUILT)
                driver.execute_async_script(ROUND, name == "luzema")
                driver.execute_cdp_cmd("HeapProfiler.collectGarbage", {})
                heaps.append(driver.execute_cdp_cmd("Runtime.getHeapUsage", {})["usedSize"])
            wasm = driver.execute_script("return wasmMemory.buffer.byteLength;")
            counters = []
            has = set(driver.execute_script("return [...document.querySelectorAll('[data-form=Form1] button')].map(b => b.dataset.control);"))
            for cycle in range(rounds):
                for control in ["Command1", "Command6", "Command5"]:
                    if control in has:
                        driver.execute_script(f"document.querySelector('[data-form=Form1] [data-control=\"{control}\"]').click();"
                                              "document.querySelector('dialog[open] button')?.click();"
                                              "for (const b of document.querySelectorAll('.window .caption button')) b.click();")
                for mark in (0, rounds // 2, rounds - 1):
                    if cycle == mark:
                        counters.append(page_counters(driver))
            wasm_after = driver.execute_script("return wasmMemory.buffer.byteLength;")
            (heap0, nodes0, listeners0), (heap_half, _, _), (heap1, nodes1, listeners1) = counters
            print(f"| {name} | {kib(heaps[0])} | {kib(heaps[-1])} | {kib(wasm)} → {kib(wasm_after)} | "
                  f"{kib(heap_half - heap0)} KiB | {kib(heap1 - heap_half)} KiB | {nodes1 - nodes0} | {listeners1 - listeners0} |")
    print()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("site", type=pathlib.Path)
    parser.add_argument("--loads", type=int, default=21)
    parser.add_argument("--rounds", type=int, default=1000)
    parser.add_argument("--press-rounds", type=int, default=3)
    parser.add_argument("--programs", nargs="*", default=PROGRAMS, help="these programs only")
    parser.add_argument("--memory-only", action="store_true", help="only the memory over the rounds")
    arguments = parser.parse_args()
    PROGRAMS[:] = arguments.programs
    with tempfile.TemporaryDirectory() as folder:
        site = pathlib.Path(folder) / "site"
        shutil.copytree(arguments.site, site)
        (site / "bare.html").write_text(BARE)
        cpu = subprocess.run(["sh", "-c", "lscpu | sed -n 's/^Model name: *//p'"], capture_output=True, text=True).stdout.strip()
        load = open("/proc/loadavg").read().split()[:3]
        version = subprocess.run(["/usr/bin/chromium", "--version"], capture_output=True, text=True).stdout.strip()
        print(f"Machine: {cpu}, {subprocess.run(['nproc'], capture_output=True, text=True).stdout.strip()} cores; "
              f"load: {', '.join(load)}; {version}, headless\n")
        if not arguments.memory_only:
            measure_sizes(site)
            measure_loads(site, arguments.loads)
            measure_presses(site, arguments.press_rounds)
        measure_memory(site, arguments.rounds)


if __name__ == "__main__":
    main()
