#!/usr/bin/python3
"""Drives every program's web page in headless Chromium as a pupil would and checks it against what
the program must do (facts_json prints it, from each program's tests/facts.cpp):

  check_pages.py SITE WEB_FACTS [--axe FOLDER] [--pictures FOLDER [--desktop-pictures FOLDER]]
                 [PROGRAM ... | start]

For every program of the registry (or those named): the windows as their tables lay them out, on a
large screen and a phone's, a whole round by clicks from a local web server and one by keys from
disk, every message box, the rules and result windows, Luzema's hostile input, what a screen reader
is told, nothing stored and nothing asked of another origin; "start": the start page with every
program, and a browser without WebAssembly or scripts. With --axe an accessibility audit of each
window and box (axe-core installed into that folder); with --pictures each window pictured at
device pixel ratio 1 and 2, and lined up with the desktop's pictures of it where they are given
(FOLDER/1 and FOLDER/2, by window_shots). The last line says PASS or FAIL."""

import argparse
import contextlib
import json
import os
import pathlib
import socket
import subprocess
import sys
import time
import traceback

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

failures = []


def expect(condition, what):
    if not condition:
        failures.append(what)
        print("  FAILED: " + what, flush=True)
    return condition


def expect_equal(seen, wanted, what):
    return expect(seen == wanted, f"{what}: {seen!r}, expected {wanted!r}")


@contextlib.contextmanager
def browser(width=1400, height=1000, ratio=1, scripts=True):
    """Debian's Chromium, headless, through Debian's chromedriver."""
    options = Options()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     f"--window-size={width},{height}", f"--force-device-scale-factor={ratio}",
                     "--lang=ru", "--no-first-run", "--disable-extensions",
                     *(() if scripts else ("--blink-settings=scriptEnabled=false",))):
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        yield driver
    finally:
        driver.quit()


@contextlib.contextmanager
def server(site):
    """The site from a local web server, as a teacher would publish it."""
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    process = subprocess.Popen([sys.executable, "-m", "http.server", str(port), "--bind", "127.0.0.1",
                                "--directory", str(site)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        for _ in range(100):
            with contextlib.suppress(OSError), socket.create_connection(("127.0.0.1", port), timeout=0.1):
                break
            time.sleep(0.05)
        yield f"http://127.0.0.1:{port}/"
    finally:
        process.terminate()
        process.wait()


class Page:
    """A program's page as the pupil sees it, read through the DOM."""

    def __init__(self, driver, facts, texts):
        self.driver = driver
        self.facts = facts
        self.texts = texts
        self.forms = {form["form"]: form for form in facts["forms"]}

    def open(self, url):
        self.driver.get(url)
        self.wait(lambda: self.element("Form1") is not None, "the main window is built")

    def wait(self, condition, what, seconds=5):
        end = time.time() + seconds
        while time.time() < end:
            if condition():
                return True
            time.sleep(0.02)
        return expect(False, "waited in vain: " + what)

    def run(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def element(self, form, control=None):
        selector = f'[data-form="{form}"]' + (f' [data-control="{control}"]' if control else "")
        found = self.driver.find_elements(By.CSS_SELECTOR, selector)
        return found[0] if found else None

    def text(self, control, form="Form1"):
        return self.run("const e = document.querySelector(arguments[0]);"
                        "return e ? (e.tagName == 'TEXTAREA' ? e.value : e.textContent) : null;",
                        f'[data-form="{form}"] [data-control="{control}"]')

    def texts_of(self, form="Form1"):
        return self.run("const texts = {};"
                        "for (const e of document.querySelectorAll(arguments[0] + ' [data-control]'))"
                        "  texts[e.dataset.control] = e.tagName == 'TEXTAREA' ? e.value : e.textContent;"
                        "return texts;", f'[data-form="{form}"]')

    def focused(self):
        return self.run("const e = document.activeElement; return e && e.dataset ? "
                        "(e.dataset.control || e.dataset.form || e.tagName) : null;")

    def live(self):
        """The last phrase the page gave a screen reader."""
        return self.run("const p = document.querySelector('[aria-live]').lastElementChild; return p ? p.textContent : '';")

    def listen(self):
        """From now on, every phrase the page gives a screen reader is heard (said())."""
        self.run("window.heard = []; new MutationObserver(changes => changes.forEach(change =>"
                 "  change.addedNodes.forEach(node => heard.push(node.textContent))))"
                 ".observe(document.querySelector('[aria-live]'), {childList: true});")

    def said(self):
        """The phrases heard since the last call."""
        return self.run("const said = window.heard; window.heard = []; return said;")

    def heading(self, value):
        """The caption a value label is read after, its blanks as a reader hears them."""
        headings = {"Label5": "Label4", "Label7": "Label6"}
        return " ".join(self.caption("Form1", headings[value]).split())

    def box(self):
        """The open message box as {title, text, icon}, or None."""
        return self.run("const d = document.querySelector('dialog');"
                        "if (!d || !d.open) return null;"
                        "const icons = [...d.querySelectorAll('img')].filter(i => i.checkVisibility());"
                        "return {title: d.querySelector('.caption').textContent, text: d.querySelector('p').textContent,"
                        "  icon: icons.length ? icons.map(i => i.getAttribute('src')).join() : null,"
                        "  iconShown: icons.every(i => i.complete && i.naturalWidth > 0 && i.alt),"
                        "  modal: d.matches(':modal'), focused: d.contains(document.activeElement)};")

    def open_forms(self):
        return self.run("return [...document.querySelectorAll('[data-form]')].map(e => e.dataset.form);")

    def control_names(self, form="Form1"):
        return self.run("return [...document.querySelectorAll(arguments[0] + ' [data-control]')].map(e => e.dataset.control);",
                        f'[data-form="{form}"]')

    def caption(self, form, control):
        for row in self.forms[form]["controls"]:
            if row["name"] == control:
                return row["caption"]
        return None

    def has(self, control):
        return self.caption("Form1", control) is not None


AXE = None  # axe-core's script, where the checks audit the pages


def install_axe(folder):
    """axe-core as package-lock.json pins it, installed once into the build folder."""
    script = folder / "node_modules" / "axe-core" / "axe.min.js"
    if not script.exists():
        folder.mkdir(parents=True, exist_ok=True)
        here = pathlib.Path(__file__).parent / "axe"
        for name in ("package.json", "package-lock.json"):
            (folder / name).write_bytes((here / name).read_bytes())
        subprocess.run(["npm", "ci", "--no-audit", "--no-fund", "--loglevel=error"], cwd=folder, check=True)
    return script.read_text()


def audit(page, what):
    """axe-core's audit of the page as it stands: no violation of any rule."""
    if AXE is None:
        return
    page.run(AXE)
    result = page.driver.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "axe.run(document, {resultTypes: ['violations']}).then(r => done(r.violations.map(v =>"
        "  v.id + ' (' + v.impact + '): ' + v.nodes.map(n => n.target.join(' ')).join(', '))), e => done(['axe failed: ' + e]));")
    for violation in result:
        expect(False, f"{what}: axe: {violation}")


PICTURES = None  # where the windows' pictures go, and where the desktop's of the same windows are


class Pictures:
    """Each window pictured as the pupil sees it, at the browser's pixel ratio, and compared with the
    desktop's picture of the same window: every control's edges where the desktop has them."""

    def __init__(self, folder, desktop):
        self.folder = folder
        self.desktop = desktop
        self.taken = []  # (file, window, ratio, the desktop's picture)
        folder.mkdir(parents=True, exist_ok=True)

    def take(self, page, form, window):
        ratio = page.run("return devicePixelRatio;")
        suffix = "" if ratio == 1 else f"-{ratio:g}x"
        name = f"{page.facts['name'].lower()}-{window}"
        file = self.folder / f"{name}-web{suffix}.png"
        file.write_bytes(page.element(form).screenshot_as_png)
        desktop = self.desktop / f"{ratio:g}" / f"{name}.png" if self.desktop else None
        self.taken.append((file, page.forms[form], ratio, desktop))

    def page(self, page, what):
        """The whole page as the browser shows it, the windows side by side."""
        driver = page.driver
        size = driver.get_window_size()
        set_viewport(driver, 1360, 520)  # the main and the rules window side by side
        driver.save_screenshot(str(self.folder / f"{page.facts['name'].lower()}-{what}-page.png"))
        driver.set_window_size(size["width"], size["height"])

    def compare(self, driver):
        """Seen in a blank page, where the pictures decode without the site's policy."""
        for file, table, ratio, desktop in self.taken:
            if not desktop:
                continue
            if not expect(desktop.exists(), f"{desktop}: the desktop's picture of the window"):
                continue
            driver.get("about:blank")
            rects = [[row[key] // 15 for key in ("left", "top", "width", "height")] for row in table["controls"]]
            result = driver.execute_async_script(COMPARE, base64(file), base64(desktop), rects, ratio)
            expect_equal(result["size"], [table["width"] // 15 * ratio, table["height"] // 15 * ratio],
                         f"{file.name}: its size in device pixels")
            for row, placed in zip(table["controls"], result["controls"]):
                if placed["edge"] < 8:
                    continue  # its ground is the window's: no edge to line up
                # The edges line up best where the control stands on the desktop: to the pixel at ratio 1,
                # within a device pixel at 2 (the desktop rounds its scaled geometry its own way).
                dx, dy = placed["best"]
                slack = 0 if ratio == 1 else 1
                expect(abs(dx) <= slack and abs(dy) <= slack,
                       f"{file.name}: {row['name']} stands {dx}, {dy} device pixels off the desktop's (edge costs {placed['costs']})")
            print(f"  {file.name}: mean difference from the desktop {result['mean']:.1f} of 255", flush=True)


def base64(file):
    import base64 as codec
    return codec.b64encode(file.read_bytes()).decode()


# For each control: the difference between the web's and the desktop's picture along the lines just
# inside and just outside its edges (their middle halves), with the desktop's shifted by up to two
# device pixels each way; the shift with the least difference is where the edges line up.
COMPARE = """
const [web64, desktop64, rects, ratio, done] = arguments;
const decode = async b64 => {
  const image = new Image(); image.src = 'data:image/png;base64,' + b64; await image.decode();
  const canvas = document.createElement('canvas'); canvas.width = image.width; canvas.height = image.height;
  const context = canvas.getContext('2d'); context.drawImage(image, 0, 0);
  return {width: image.width, height: image.height, data: context.getImageData(0, 0, image.width, image.height).data};
};
Promise.all([decode(web64), decode(desktop64)]).then(([web, desktop]) => {
  const at = (picture, x, y) => {
    x = Math.min(Math.max(x, 0), picture.width - 1); y = Math.min(Math.max(y, 0), picture.height - 1);
    return (y * picture.width + x) * 4;
  };
  const cost = (rect, dx, dy) => {
    const [left, top, width, height] = rect.map(v => v * ratio);
    let sum = 0, count = 0;
    const add = (x, y) => {
      const a = at(web, x, y), b = at(desktop, x + dx, y + dy);
      for (let c = 0; c < 3; ++c) sum += Math.abs(web.data[a + c] - desktop.data[b + c]);
      count += 3;
    };
    for (let x = left + width / 4 | 0; x < left + 3 * width / 4; ++x)
      for (const y of [top - 1, top, top + height - 1, top + height]) add(x, y);
    for (let y = top + height / 4 | 0; y < top + 3 * height / 4; ++y)
      for (const x of [left - 1, left, left + width - 1, left + width]) add(x, y);
    return count ? sum / count : 0;
  };
  // How far the desktop's picture changes across the control's edges: nothing to line up where the
  // control's ground is the window's.
  const edge = rect => {
    const [left, top, width, height] = rect.map(v => v * ratio);
    let sum = 0, count = 0;
    const add = (x0, y0, x1, y1) => {
      const a = at(desktop, x0, y0), b = at(desktop, x1, y1);
      for (let c = 0; c < 3; ++c) sum += Math.abs(desktop.data[a + c] - desktop.data[b + c]);
      count += 3;
    };
    for (let x = left + width / 4 | 0; x < left + 3 * width / 4; ++x) { add(x, top - 1, x, top); add(x, top + height - 1, x, top + height); }
    for (let y = top + height / 4 | 0; y < top + 3 * height / 4; ++y) { add(left - 1, y, left, y); add(left + width - 1, y, left + width, y); }
    return count ? sum / count : 0;
  };
  const controls = rects.map(rect => {
    let best = [0, 0], least = cost(rect, 0, 0), most = least;
    const costs = {};
    for (let dy = -2; dy <= 2; ++dy) for (let dx = -2; dx <= 2; ++dx) {
      const c = cost(rect, dx, dy); costs[dx + ',' + dy] = Math.round(c);
      most = Math.max(most, c);
      if (c < least - 0.5) { least = c; best = [dx, dy]; }
    }
    return {best, edge: edge(rect), costs: Math.round(costs['0,0']) + ' here, ' + Math.round(least) + ' at best, ' + Math.round(most) + ' at worst'};
  });
  let sum = 0;
  const n = Math.min(web.data.length, desktop.data.length);
  for (let i = 0; i < n; ++i) if (i % 4 != 3) sum += Math.abs(web.data[i] - desktop.data[i]);
  done({size: [web.width, web.height], controls, mean: sum / (n * 3 / 4)});
}, error => done({size: [], controls: [], mean: -1, error: String(error)}));
"""


def style_icon(style):
    return {0: None, 48: "drill/warning.svg", 64: "drill/information.svg"}[style]


class Pupil:
    """Presses buttons and closes boxes and windows, by mouse (clicks) or by keyboard (keys)."""

    def __init__(self, page, by_keys, latin_places):
        self.page = page
        self.by_keys = by_keys
        self.latin = {place["cyrillic"]: place for place in latin_places}
        self.strokes = 0
        self.answers = {}  # how often each answer button was pressed by a key

    def keys(self, *keys):
        ActionChains(self.page.driver).send_keys(*keys).perform()

    def tab_to(self, control):
        for _ in range(20):
            if self.page.focused() == control:
                return True
            self.keys(Keys.TAB)
        return expect(False, f"Tab never reaches {control}")

    def answer_key(self, control):
        """Each answer by another of its keys in turn: digit, keypad digit, letter, capital, Latin key."""
        first = control == "Command3"
        digit = "1" if first else "2"
        letters = self.page.facts["firstLetters" if first else "secondLetters"]
        keys = [digit, Keys.NUMPAD1 if first else Keys.NUMPAD2]
        for letter in letters:
            keys += [letter, letter.upper()]
            if letter in self.latin:
                keys += [self.latin[letter]["latin"], self.latin[letter]["latinShifted"]]
        self.answers[control] = self.answers.get(control, -1) + 1
        return keys[self.answers[control] % len(keys)]

    def press(self, control, skip=False):
        """skip: the next button pressed while the item on show waits for its answer."""
        if not self.by_keys:
            self.page.element("Form1", control).click()
            return
        if control == "Command1":
            self.keys(Keys.F1)
        elif control in ("Command3", "Command4") and self.page.facts["kind"] == "choice":
            self.keys(self.answer_key(control))
        elif control == "Command4" and self.page.focused() == "Text1":
            ActionChains(self.page.driver).key_down(Keys.CONTROL).send_keys(Keys.ENTER).key_up(Keys.CONTROL).perform()
        elif control == "Command5" and skip:
            # Enter does nothing while the item waits for its answer; Space on the button skips it.
            self.tab_to(control)
            self.keys(Keys.SPACE)
        else:
            self.tab_to(control)
            self.keys(Keys.ENTER)

    def close_box(self):
        self.strokes += 1
        if not self.by_keys:
            self.page.driver.find_element(By.CSS_SELECTOR, "dialog button").click()
        else:
            self.keys(Keys.ENTER if self.strokes % 2 else Keys.ESCAPE)
        self.page.wait(lambda: self.page.box() is None, "the box closes")

    def close_window(self, form):
        if self.by_keys:
            self.keys(Keys.ESCAPE)
        else:
            self.page.driver.find_element(By.CSS_SELECTOR, f'.window:has([data-form="{form}"]) .caption button').click()
        self.page.wait(lambda: form not in self.page.open_forms(), f"{form} closes")


def expect_box(page, pupil, text, style, what):
    """A press showed this box: titled with the program's title, its icon, one OK; the windows
    behind take no click or key while it is open; the pupil closes it."""
    box = page.box()
    if not expect(box is not None, f"{what}: a message box opens"):
        return
    facts = page.facts
    expect_equal(box["text"], text, f"{what}: the box's text")
    expect_equal(box["title"], facts["title"], f"{what}: the box's title")
    expect_equal(box["icon"], style_icon(style), f"{what}: the box's icon")
    expect(box["iconShown"], f"{what}: the icon is drawn, with a text alternative")
    expect(box["modal"] and box["focused"], f"{what}: the box is modal and has the keyboard")
    if not pupil.by_keys:
        audit(page, what)
    before = page.texts_of()
    # A click on the start button behind the box, and an answer key, reach nothing.
    ActionChains(page.driver).move_to_element(page.element("Form1", "Command2")).click().perform()
    ActionChains(page.driver).send_keys("1").perform()
    expect_equal(page.texts_of(), before, f"{what}: nothing behind the box changed")
    box = page.box()
    expect(box is not None and box["focused"], f"{what}: the box stays open, with the keyboard, until closed")
    pupil.close_box()


def check_layout(page, form):
    """Each window and control where and as its table places it, at 15 twips a CSS pixel."""
    table = page.forms[form]
    inner = page.run("const f = document.querySelector(arguments[0]); const r = f.getBoundingClientRect();"
                     "return {width: r.width, height: r.height, name: f.getAttribute('aria-label')};", f'[data-form="{form}"]')
    expect_equal((inner["width"], inner["height"]), (table["width"] // 15, table["height"] // 15), f"{form}: its inner area")
    expect_equal(inner["name"], table["caption"], f"{form}: its accessible name")
    seen = page.run("const f = document.querySelector(arguments[0]).getBoundingClientRect(); const out = {};"
                    "for (const e of document.querySelectorAll(arguments[0] + ' [data-control]')) {"
                    "  const r = e.getBoundingClientRect();"
                    "  out[e.dataset.control] = {left: r.left - f.left, top: r.top - f.top, width: r.width, height: r.height,"
                    "    tag: e.tagName, text: e.tagName == 'TEXTAREA' ? e.value : e.textContent}; }"
                    "return out;", f'[data-form="{form}"]')
    expect_equal(sorted(seen), sorted(row["name"] for row in table["controls"]), f"{form}: its controls")
    tags = {"button": "BUTTON", "label": "DIV", "textbox": "TEXTAREA"}
    for row in table["controls"]:
        control = seen.get(row["name"])
        if control is None:
            continue
        place = tuple(row[key] // 15 for key in ("left", "top", "width", "height"))
        expect_equal(tuple(control[key] for key in ("left", "top", "width", "height")), place, f"{form}.{row['name']}: its place")
        expect_equal(control["tag"], tags[row["kind"]], f"{form}.{row['name']}: its element")
        if form == "Form1" or row["caption"]:
            expect_equal(control["text"], row["caption"], f"{form}.{row['name']}: its text as the window opens")
    # The focus order is the tab order; a counter is read right after its heading.
    focusable = [row["name"] for row in sorted(table["controls"], key=lambda row: row["tabIndex"]) if row["kind"] != "label"]
    names = page.control_names(form)
    kinds = {row["name"]: row["kind"] for row in table["controls"]}
    expect_equal([name for name in names if kinds.get(name) != "label"], focusable, f"{form}: the focus order")
    if form == "Form1":
        for value, heading in (("Label5", "Label4"), ("Label7", "Label6")):
            expect(heading in names and names.index(value) == names.index(heading) + 1, f"{value} read right after {heading}")


def set_viewport(driver, width, height):
    size = driver.get_window_size()
    inner = driver.execute_script("return [innerWidth, innerHeight];")
    driver.set_window_size(size["width"] - inner[0] + width, size["height"] - inner[1] + height)
    time.sleep(0.2)


def check_small_screens(page):
    """On a phone held either way the main window is drawn smaller as a whole, within the screen,
    keeping its proportions; on a large screen it is back at its design size."""
    table = page.forms["Form1"]
    for width, height in ((390, 844), (844, 390)):
        set_viewport(page.driver, width, height)
        shown = page.run("const r = document.querySelector('[data-form=Form1]').getBoundingClientRect();"
                         "return [r.left, r.top, r.right, r.bottom];")
        expect(shown[0] >= 0 and shown[1] >= 0 and shown[2] <= width and shown[3] <= height,
               f"the main window within a {width}x{height} screen: {shown}")
        ratio = (shown[2] - shown[0]) / (shown[3] - shown[1])
        expect(abs(ratio - table["width"] / table["height"]) < 0.01, f"the main window's proportions on a {width}x{height} screen")
    set_viewport(page.driver, 1400, 1000)
    check_layout(page, "Form1")


def tap(page, control):
    """A finger's tap on a touch screen."""
    x, y = page.run("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                    "return [r.left + r.width / 2, r.top + r.height / 2];", f'[data-form=Form1] [data-control="{control}"]')
    page.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
    for kind in ("touchStart", "touchEnd"):
        points = [{"x": x, "y": y}] if kind == "touchStart" else []
        page.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
    page.driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": False})


def check_names(page):
    """Each button named by its caption and described by its keys, the windows by theirs."""
    facts, texts = page.facts, page.texts
    described = page.run("const out = {};"
                         "for (const e of document.querySelectorAll('[data-form=Form1] [data-control]')) {"
                         "  const by = e.getAttribute('aria-describedby');"
                         "  out[e.dataset.control] = {description: by ? document.getElementById(by).textContent : '',"
                         "    label: e.getAttribute('aria-label')}; }"
                         "return out;")
    wanted = {"Command1": texts["rulesKeyNamed"], "Command5": texts["nextKeyNamed"]}
    if facts["kind"] == "choice":
        wanted.update(Command3=facts["firstKeysNamed"], Command4=facts["secondKeysNamed"])
    else:
        wanted.update(Command4=texts["submitKeysNamed"], Text1=texts["answerBoxKeysNamed"])
        expect_equal(described["Text1"]["label"], texts["answerBoxNamed"], "the answer box's name")
    for control, description in described.items():
        expect_equal(description["description"], wanted.get(control, ""), f"{control}: its description")


def open_secondary(page, pupil, form, what):
    pupil.press("Command1" if form == "Form2" else "Command6")
    if not page.wait(lambda: form in page.open_forms(), f"{what} opens"):
        return False
    expect_equal(page.focused(), form, f"{what} has the keyboard")
    described = page.run("const f = document.querySelector(arguments[0]);"
                         "return document.getElementById(f.getAttribute('aria-describedby')).textContent;", f'[data-form="{form}"]')
    expect_equal(described, page.texts["windowKeysNamed"], f"{what}: its description")
    return True


def check_rules(page, pupil):
    """The rules window: opened beside the main window, read when it opens, reused, closed."""
    if not open_secondary(page, pupil, "Form2", "the rules window"):
        return
    check_layout(page, "Form2")
    if PICTURES:
        PICTURES.take(page, "Form2", "rules")
        if not pupil.by_keys:
            PICTURES.page(page, "round")
    if not pupil.by_keys:
        audit(page, "the rules window open")
    printed = page.run("const f = document.querySelector('[data-form=Form2]').getBoundingClientRect();"
                       "return [...document.querySelectorAll('[data-form=Form2] .printed')].map(e => {"
                       "  const r = e.getBoundingClientRect(); return [r.left - f.left, r.top - f.top, e.textContent]; });")
    expect_equal(printed, [[line["x"] // 15, line["y"] // 15, line["line"]] for line in page.facts["ruleLines"]],
                 "the lines printed into the rules window")
    if page.facts["rulesSaid"]:
        expect_equal(page.live(), page.facts["rulesSaid"], "the rules window read as it opens")
    # Pressed again while open: the same window, in front, nothing printed twice.
    if not pupil.by_keys:
        page.run("document.querySelector('[data-form=Form2]').dataset.seen = 'yes';")
        pupil.press("Command1")
        expect_equal(page.run("return [...document.querySelectorAll('[data-form=Form2]')].map(e => e.dataset.seen);"), ["yes"],
                     "the rules window reused while open")
        expect_equal(page.run("return document.querySelectorAll('[data-form=Form2] .printed').length;"),
                     len(page.facts["ruleLines"]), "no line printed twice")
    pupil.close_window("Form2")
    expect(page.focused() in page.control_names("Form1"), "the keyboard back in the main window")


def check_result(page, pupil, asked, errors, no_answer):
    if not open_secondary(page, pupil, "Form3", "the result window"):
        return
    if asked is None:
        check_layout(page, "Form3")
        if PICTURES:
            PICTURES.take(page, "Form3", "result")
    if not pupil.by_keys:
        audit(page, "the result window open")
    shown = lambda control: page.text(control, "Form3")
    if asked is None:
        expect_equal(page.live(), page.facts["resultSaid"], "the result window read before the start")
    else:
        expect_equal(shown("Label2"), str(errors), "the result's total")
        expect_equal(shown("Label22"), str(asked), "the result's items asked")
        expect_equal(shown("Label21"), str(no_answer) if no_answer else "", "the result's items left unanswered")
        for category in page.facts["categories"]:
            count = sum(1 for item in page.facts["items"] if category["first"] <= item["number"] <= category["last"])
            expect_equal(shown(category["shown"]), str(count), f"the result's items of {category['first']}..{category['last']}")
        expect(page.live().startswith(page.caption("Form3", "Label1")), "the result window read as it opens")
    pupil.close_window("Form3")


def spoken(text):
    """A phrase as a reader is given it: blanks collapsed, a full stop where it ends without a mark."""
    text = " ".join(text.split())
    return text if not text or text[-1] in ".!?…:;," else text + "."


def said_prompt(prompt):
    """The item as a reader says it: the gap as the word "пропуск", with a pause on either side."""
    words = " ".join(prompt.split())
    if words.endswith("_"):
        return words[:-1] + ", пропуск"
    return words.replace("_", ", пропуск, ")


def item_on_show(page):
    prompt = page.text("Label1")
    for item in page.facts["items"]:
        if item["prompt"] == prompt:
            return item
    expect(False, f"no item has the prompt {prompt!r}")
    return None


def play_choice_round(page, pupil):
    facts, texts = page.facts, page.texts
    n = facts["n"]
    has_result = page.has("Command6")
    if has_result:
        check_result(page, pupil, None, 0, 0)
    page.listen()
    pupil.press("Command2")
    expect_equal(page.text("Label7"), "1", "the first item's number")
    first = page.text("Label1")
    expect_equal(page.said(), [f"{said_prompt(first)}. {page.heading('Label7')} 1."], "the first item heard")
    pupil.press("Command2")
    expect_equal(page.text("Label1"), first, "a second start changes nothing")
    expect_equal(page.said(), [], "a refused press says nothing")
    errors, skipped = 0, 0
    seen = set()
    for position in range(1, n + 1):
        item = item_on_show(page)
        if item is None:
            return
        expect(item["number"] not in seen, f"item {item['number']} asked once")
        seen.add(item["number"])
        expect_equal(page.text("Label7"), str(position), "the item's number")
        expect_equal(page.text("Label8"), "", "no error mark on a new item")
        right = "Command3" if item["correct"] == facts["firstOption"] else "Command4"
        wrong = "Command4" if right == "Command3" else "Command3"
        if position == 2:
            pupil.press("Command1")
            expect_box(page, pupil, texts["rulesWarning"], facts["warningStyle"], "the rules before an answer")
            expect_equal(page.said(), [], "the refused rules say nothing")
        kind = position % 4
        word = spoken(item["full"])
        if kind == 1:
            pupil.press(wrong)
            errors += 1
            expect_equal(page.text("Label8"), texts["errorMark"], "the error mark after a wrong answer")
            expect_equal(page.said(), [f"{word} {spoken(texts['errorMark'])} {page.heading('Label5')} {errors}."],
                         "a wrong answer heard")
            pupil.press(wrong)
            pupil.press(right)
            expect_equal(page.said(), [], "answers that change nothing say nothing")
        elif kind in (0, 2):
            pupil.press(right)
            if kind == 2:
                pupil.press(wrong)
            expect_equal(page.text("Label8"), "", "no error mark after a right answer")
            expect_equal(page.said(), [word], "a right answer heard")
        if kind != 3:
            expect_equal(page.text("Label1"), item["full"], "the full word after an answer")
            expect_equal(page.text("Label5"), str(errors) if errors else "", "the error count")
            if pupil.by_keys:
                expect_equal(page.focused(), "Command5", "the focus on the next button after an answer")
        if position == 1:
            check_rules(page, pupil)
            page.said()
        pupil.press("Command5", skip=kind == 3)
        counted = ""
        if kind == 3:
            errors += 1
            skipped += 1
            counted = f" {page.heading('Label5')} {errors}."
        if position < n:
            expect_equal(page.text("Label7"), str(position + 1), "the next item's number")
            expect_equal(page.said(), [f"{said_prompt(page.text('Label1'))}. {page.heading('Label7')} {position + 1}.{counted}"],
                         "the next item heard")
            if pupil.by_keys and position == 4:
                before = page.text("Label1")
                pupil.keys(Keys.ENTER)
                expect_equal(page.text("Label1"), before, "Enter on an unanswered item skips nothing")
        else:
            # What the last press changed is said before its box.
            expect_equal(page.said(), [counted.strip()] if counted else [], "the last press heard before its box")
            expect_box(page, pupil, facts["endMessage"], facts["endStyle"], "the end of the round")
            expect_equal(page.text("Label5"), str(errors), "the error count at the end")
            expect_equal(page.said(), [], "nothing said twice after the box")
    expect_equal(len(seen), n, "every item asked")
    pupil.press("Command2")
    expect(page.box() is None and page.text("Label7") == str(n), "after the round the start does nothing")
    if has_result:
        check_result(page, pupil, n, errors, skipped)


def type_into(page, pupil, text):
    box = page.element("Form1", "Text1")
    if pupil.by_keys:
        box.click()
        ActionChains(page.driver).key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL).perform()
        box.send_keys(text)
    else:
        page.run("arguments[0].value = arguments[1]; arguments[0].dispatchEvent(new Event('input'));", box, text)


def sentence_on_show(page):
    shown = page.text("Text1")
    for sentence in page.facts["sentences"]:
        if sentence["shown"] == shown:
            return sentence
    expect(False, f"no sentence reads {shown!r}")
    return None


HOSTILE = '<img src=x onerror="document.title=\'hacked\'"><b>жирный</b> &amp; <script>document.title="hacked"</script>'


def play_comma_round(page, pupil):
    facts, texts = page.facts, page.texts
    n = facts["n"]
    page.listen()
    pupil.press("Command2")
    errors = 0
    for position in range(1, n + 1):
        sentence = sentence_on_show(page)
        if sentence is None:
            return
        expect_equal(page.text("Label7"), str(position), "the sentence's number")
        counted = f" {page.heading('Label5')} {errors}." if position > 1 and (position - 1) % 3 == 0 else ""
        expect_equal(page.said(), [f"{sentence['shown']} {page.heading('Label7')} {position}.{counted}"], "the sentence heard")
        if pupil.by_keys:
            expect_equal(page.focused(), "Text1", "the focus in the sentence with each new one")
        if position == 1:
            pupil.press("Command1")
            expect_box(page, pupil, texts["rulesWarning"], facts["warningStyle"], "the rule before an answer")
            # Hostile text shows as text, runs nothing, and is judged as any other answer.
            type_into(page, pupil, HOSTILE)
            pupil.press("Command3")
            expect_equal(page.text("Text1"), sentence["shown"], "the sentence restored")
            expect_equal(page.said(), [sentence["shown"]], "the restored sentence heard")
            type_into(page, pupil, HOSTILE)
            pupil.press("Command5", skip=True)
            expect_box(page, pupil, texts["confirmWarning"], facts["warningStyle"], "an edited sentence left unchecked")
            expect_equal(page.said(), [], "the refused move says nothing")
            if pupil.by_keys:
                page.element("Form1", "Text1").click()
            pupil.press("Command4")
            errors += 1
            expect_equal(page.text("Label1"), texts["wrongVerdict"], "the verdict on a wrong answer")
            expect_equal(page.text("Label8"), HOSTILE, "the hostile answer shown as typed")
            expect(page.run("return document.title != 'hacked' && !document.querySelector('[data-form] img, [data-form] b, [data-form] script');"),
                   "the hostile answer ran nothing and made no element")
            expect_equal(page.text("Label5"), str(errors), "the error count")
            expect_equal(page.said(), [f"{texts['wrongVerdict']} {spoken(HOSTILE)} {page.heading('Label5')} {errors}."],
                         "the verdict heard with the answer as typed")
            pupil.press("Command3")
            expect_box(page, pupil, texts["restoreWarning"], facts["warningStyle"], "a restore after the check")
            expect_equal(page.said(), [], "the refused restore says nothing")
        elif position % 3 == 0:
            pass  # left as shown: moving on counts an error
        else:
            type_into(page, pupil, sentence["expected"])
            pupil.press("Command4")
            expect_equal(page.text("Label1"), texts["rightVerdict"], "the verdict on a right answer")
            expect_equal(page.text("Label8"), "", "nothing shown back of a right answer")
            expect_equal(page.said(), [spoken(texts["rightVerdict"])], "the right verdict heard")
        if position == 2:
            check_rules(page, pupil)
            page.said()
        pupil.press("Command5", skip=position % 3 == 0)
        if position % 3 == 0:
            errors += 1
        if position < n:
            expect_equal(page.text("Label1"), "", "no verdict on a new sentence")
        else:
            expect_box(page, pupil, facts["endMessage"], facts["endStyle"], "the end of the round")
            expect_equal(page.text("Label5"), str(errors), "the error count at the end")


def check_clean(page, origin, what):
    """Nothing stored, nothing asked of another origin, nothing reported wrong."""
    state = page.run("let stored = 0; try { stored = localStorage.length + sessionStorage.length; } catch (e) {}"
                     "return {cookie: document.cookie, stored: stored,"
                     "  resources: performance.getEntriesByType('resource').map(e => e.name)};")
    expect_equal(state["cookie"], "", f"{what}: no cookie")
    expect_equal(state["stored"], 0, f"{what}: nothing stored")
    for resource in state["resources"]:
        expect(resource.startswith(origin), f"{what}: {resource} is the site's own")
    for entry in page.driver.get_log("browser"):
        expect(entry["level"] not in ("SEVERE", "WARNING"), f"{what}: the console says {entry['message']}")


def exit_to_start(page, pupil):
    pupil.press("Command7")
    page.wait(lambda: page.driver.current_url.endswith("/index.html"), "Выход returns to the start page")


def check_program(driver, facts, texts, latin_places, origin, by_keys):
    name = facts["name"].lower()
    page = Page(driver, facts, texts)
    page.open(origin + name + ".html")
    way = "keys, from disk" if by_keys else "clicks, from the server"
    print(f"{facts['name']}: a round by {way}", flush=True)
    # A browser gives a title with its blanks collapsed, as its tab shows it.
    expect_equal(driver.title, " ".join(page.forms["Form1"]["caption"].split()), "the page's title")
    if PICTURES:
        PICTURES.take(page, "Form1", "start")
    if not by_keys:
        check_layout(page, "Form1")
        check_names(page)
        audit(page, f"{facts['name']} as it opens")
        check_small_screens(page)
        # The rules before the start, by a tap.
        tap(page, "Command1")
        if page.wait(lambda: "Form2" in page.open_forms(), "a tap opens the rules window"):
            Pupil(page, False, latin_places).close_window("Form2")
    expect_equal(page.focused(), "Command1", "the rules button has the focus as the window opens")
    pupil = Pupil(page, by_keys, latin_places)
    if facts["kind"] == "choice":
        play_choice_round(page, pupil)
    else:
        play_comma_round(page, pupil)
    if not by_keys:
        audit(page, f"{facts['name']} after a round")
    check_clean(page, origin, f"{facts['name']} ({way})")
    exit_to_start(page, pupil)


def check_start_page(driver, programs, origin):
    driver.get(origin + "index.html")
    audit(Page(driver, {"forms": []}, {}), "the start page")
    links = driver.execute_script(
        "return [...document.querySelectorAll('a')].map(a => ({href: a.getAttribute('href'), text: a.textContent,"
        "  icon: a.querySelector('img').complete && a.querySelector('img').naturalWidth > 0}));")
    expect_equal([link["href"] for link in links], [program["name"].lower() + ".html" for program in programs],
                 f"the start page links every program ({origin})")
    for link in links:
        expect(link["icon"], f"{link['href']}: its icon is drawn on the start page")
        expect(link["text"].startswith(link["href"][:-5].capitalize()), f"{link['href']}: named on the start page")


def check_without_webassembly(site, programs):
    """A browser with scripts but no WebAssembly, and one with scripts off, are told in one Russian
    sentence what the page needs, where the windows would stand."""
    page = site.as_uri() + "/" + programs[0]["name"].lower() + ".html"
    with browser() as driver:
        driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": "delete window.WebAssembly;"})
        driver.get(page)
        time.sleep(0.3)
        needed = driver.execute_script("return document.querySelector('noscript').textContent;")
        shown = driver.execute_script("return [...document.body.querySelectorAll('p')].map(p => p.innerText);")
        expect(bool(needed) and shown == [needed], f"without WebAssembly the page says what it needs: {shown}")
        expect(not driver.find_elements(By.CSS_SELECTOR, "[data-form]"), "without WebAssembly no window")
    with browser(scripts=False) as driver:
        driver.get(page)
        time.sleep(0.3)
        # No script of the checks runs either: what the page shows, as its accessibility tree has it.
        tree = driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        texts = [node["name"]["value"] for node in tree if node.get("role", {}).get("value") == "StaticText"]
        expect_equal(texts, [needed], "with scripts off the page says what it needs")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("site", type=pathlib.Path)
    parser.add_argument("facts_json")
    parser.add_argument("only", nargs="*", help="these programs only (by name), or the start page (start)")
    parser.add_argument("--axe", type=pathlib.Path, help="the folder into which axe-core is installed for the audit")
    parser.add_argument("--install-axe", action="store_true", help="only install axe-core")
    parser.add_argument("--pictures", type=pathlib.Path, help="where each window's pictures go")
    parser.add_argument("--desktop-pictures", type=pathlib.Path,
                        help="the desktop's pictures of the windows to compare with, in subfolders 1 and 2 by pixel ratio")
    arguments = parser.parse_intermixed_args()
    global PICTURES
    if arguments.pictures:
        PICTURES = Pictures(arguments.pictures, arguments.desktop_pictures)
    global AXE
    if arguments.axe:
        AXE = install_axe(arguments.axe)
    if arguments.install_axe:
        return 0
    facts = json.loads(subprocess.run([arguments.facts_json], check=True, capture_output=True, text=True).stdout)
    everyone = facts["programs"]
    wanted = [name.lower() for name in arguments.only]
    programs = [p for p in everyone if not wanted or p["name"].lower() in wanted]
    site = arguments.site.resolve()
    if not (site / "index.html").exists():
        print(f"{site} holds no site: build it first (bash scripts/web.sh --build-only)\nFAIL")
        return 1
    with server(site) as address:
        if not wanted or "start" in wanted:
            with browser() as driver:
                check_start_page(driver, everyone, address)
                check_start_page(driver, everyone, site.as_uri() + "/")
            check_without_webassembly(site, everyone)
        for program in programs:
            # By clicks at a pixel ratio of 1, by keys at 2, as a HiDPI screen shows the page.
            for by_keys in (False, True):
                origin = site.as_uri() + "/" if by_keys else address
                with browser(ratio=2 if by_keys else 1) as driver:
                    try:
                        check_program(driver, program, facts["texts"], facts["latinPlaces"], origin, by_keys)
                        if PICTURES:
                            PICTURES.compare(driver)
                            PICTURES.taken.clear()
                    except WebDriverException:
                        expect(False, f"{program['name']}: the browser failed:\n{traceback.format_exc()}")
    print("FAIL" if failures else "PASS")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
