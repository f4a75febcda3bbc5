#!/usr/bin/env python3
"""One whole lesson in the page, in a real browser, driven with the mouse and keys as a teacher would.

    python3 lesson_in_browser.py SITE_DIR LESSON_SCREEN ARTEFACT_DIR [--figures] [--page-picture=PNG]

SITE_DIR holds tarnwick.html and its files; it is served from 127.0.0.1 by this script for as long as it
runs. Debian's chromium, headless, draws the page with WebGL through SwiftShader and is driven through the
DevTools protocol on a pipe (no extra packages). The browser window is 1280 x 720, so the board is scaled
(to 960 x 720, centred): every click is aimed where the board is seen, and every screenshot is taken of the
board alone, back at 1024 x 768, for LESSON_SCREEN (lesson_screen.cpp) to measure as in the native test.

The lesson: speed slider to FAST, "排列方法", "計算結果"; then the blank key twice; a visit to another tab,
which draws a new problem as a return to the window does natively; then "離開", which in a page puts the end screen in the lesson's place, and a click
on it, which starts the lesson afresh. Screenshots stay
in ARTEFACT_DIR. With --figures it also prints how long the page took to show the board and the browser's
idle CPU; with --page-picture it keeps the whole page at the end of the working (the README's picture). Exits 77 (skipped) when chromium is missing. Every wait polls up to a generous deadline.
"""

import base64
import functools
import http.server
import json
import os
import select
import shutil
import subprocess
import sys
import tempfile
import threading
import time

SKIPPED = 77
DEADLINE_SECONDS = 90
WINDOW_WIDTH, WINDOW_HEIGHT = 1280, 720
BOARD_WIDTH, BOARD_HEIGHT = 1024, 768
IDLE_SECONDS = 10

# Where the user clicks, in board pixels.
SLIDER_X, SLIDER_Y, SLIDER_W, SLIDER_H = 848, 88, 100, 20
BUTTON_W, BUTTON_H, BUTTON_Y = 161, 49, 700
ARRANGE_BUTTON_X, RESULT_BUTTON_X = 680, 848
EXIT_X, EXIT_Y, EXIT_W, EXIT_H = 897, 1, 126, 48
# A step button is drawn where this many pixels of its box are not white.
BUTTON_PIXELS = 300
BOARD_PIXELS = BOARD_WIDTH * BOARD_HEIGHT
# The title band is 896 x 48 pixels of navy.
BAND_PIXELS = 30000

CHROMIUM_FLAGS = [
    "--headless",
    "--remote-debugging-pipe",
    f"--window-size={WINDOW_WIDTH},{WINDOW_HEIGHT}",
    "--force-device-scale-factor=1",
    # Qt draws through WebGL; SwiftShader gives it one without a GPU.
    "--use-gl=swiftshader",
    "--enable-unsafe-swiftshader",
    # This machine's network is closed: no calls home, no updates.
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
    "--disable-quic",
    "--no-first-run",
    "--no-default-browser-check",
    # A page in a headless browser is never in front; its timers must still run at full rate.
    "--disable-background-timer-throttling",
    "--disable-renderer-backgrounding",
    "--disable-backgrounding-occluded-windows",
    "--hide-scrollbars",
    "--mute-audio",
]


class Failure(Exception):
    pass


class Site:
    """The static folder served on 127.0.0.1 at a free port, .wasm as application/wasm."""

    def __init__(self, folder):
        class Handler(http.server.SimpleHTTPRequestHandler):
            extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                              ".wasm": "application/wasm", ".js": "text/javascript"}

            def log_message(self, *args):
                pass

        self.server = http.server.ThreadingHTTPServer(
            ("127.0.0.1", 0), functools.partial(Handler, directory=folder))
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def url(self, path):
        return f"http://127.0.0.1:{self.server.server_port}/{path}"

    def close(self):
        self.server.shutdown()
        self.server.server_close()


class Browser:
    """Chromium driven through the DevTools protocol on a pipe: JSON messages ending in NUL."""

    def __init__(self, profile):
        commands_read, self.commands = os.pipe()
        self.replies, replies_write = os.pipe()
        flags = CHROMIUM_FLAGS + [f"--user-data-dir={profile}", "about:blank"]
        if os.geteuid() == 0:
            flags.append("--no-sandbox")
        # The protocol pipe is file descriptors 3 (commands in) and 4 (replies out) of the browser.
        self.process = subprocess.Popen(
            ["bash", "-c", f'exec "$0" "$@" 3<&{commands_read} 4>&{replies_write}', "chromium", *flags],
            pass_fds=(commands_read, replies_write), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(commands_read)
        os.close(replies_write)
        self.buffer = b""
        self.next_id = 0
        self.events = []
        self.session = None

    def send(self, method, params=None, session=True):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session and self.session:
            message["sessionId"] = self.session
        os.write(self.commands, json.dumps(message).encode() + b"\0")
        while True:
            reply = self._read()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise Failure(f"{method}: {reply['error'].get('message')}")
                return reply.get("result", {})
            self.events.append(reply)

    def _read(self):
        while b"\0" not in self.buffer:
            if not select.select([self.replies], [], [], DEADLINE_SECONDS)[0]:
                raise Failure(f"the browser said nothing for {DEADLINE_SECONDS} s")
            chunk = os.read(self.replies, 1 << 20)
            if not chunk:
                raise Failure("the browser closed its DevTools pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def open_page(self, width, height):
        self.target = self.send("Target.createTarget", {"url": "about:blank"}, session=False)["targetId"]
        self.session = self.send("Target.attachToTarget", {"targetId": self.target, "flatten": True},
                                 session=False)["sessionId"]
        self.send("Page.enable")
        self.send("Runtime.enable")
        # The page's own size, whatever room the headless window keeps for itself.
        self.send("Emulation.setDeviceMetricsOverride", {"width": width, "height": height,
                                                          "deviceScaleFactor": 1, "mobile": False})

    def navigate(self, url):
        """Opens the URL and returns once its load event has come."""
        self.events = [e for e in self.events if e.get("method") != "Page.loadEventFired"]
        self.send("Page.navigate", {"url": url})
        deadline = time.monotonic() + DEADLINE_SECONDS
        while not any(e.get("method") == "Page.loadEventFired" for e in self.events):
            if time.monotonic() > deadline:
                raise Failure(f"{url} did not load within {DEADLINE_SECONDS} s")
            self.events.append(self._read())

    def visit_another_tab(self):
        """Brings another tab to the front and then this one again, as a teacher looking something up would."""
        other = self.send("Target.createTarget", {"url": "about:blank"}, session=False)["targetId"]
        self.send("Target.activateTarget", {"targetId": other}, session=False)
        time.sleep(0.5)
        self.send("Target.activateTarget", {"targetId": self.target}, session=False)
        self.send("Target.closeTarget", {"targetId": other}, session=False)

    def evaluate(self, expression):
        return self.send("Runtime.evaluate", {"expression": expression, "returnByValue": True})["result"].get("value")

    def pids(self):
        """The browser's processes by kind: browser, renderer, gpu-process, utility …"""
        kinds = {}
        children = {}
        for entry in os.listdir("/proc"):
            if entry.isdigit():
                try:
                    with open(f"/proc/{entry}/stat") as stat:
                        parent = int(stat.read().rsplit(")", 1)[1].split()[1])
                    children.setdefault(parent, []).append(int(entry))
                except (OSError, IndexError, ValueError):
                    pass
        pending = [self.process.pid]
        while pending:
            pid = pending.pop()
            pending += children.get(pid, [])
            try:
                with open(f"/proc/{pid}/cmdline", "rb") as cmdline:
                    # Chromium rewrites its processes' titles as one string with spaces.
                    arguments = cmdline.read().replace(b"\0", b" ").split()
            except OSError:
                continue
            kind = next((a[7:].decode() for a in arguments if a.startswith(b"--type=")), "browser")
            kinds.setdefault(kind, []).append(pid)
        return kinds

    def close(self):
        try:
            self.send("Browser.close", session=False)
            self.process.wait(timeout=20)
        except (Failure, OSError, subprocess.TimeoutExpired):
            self.process.kill()
            self.process.wait()
        os.close(self.commands)
        os.close(self.replies)


def cpu_ticks(pids):
    total = 0
    for pid in pids:
        try:
            with open(f"/proc/{pid}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            total += int(fields[11]) + int(fields[12])  # utime, stime
        except (OSError, IndexError, ValueError):
            pass
    return total


class Lesson:
    def __init__(self, browser, lesson_screen, artefacts, work):
        self.browser = browser
        self.lesson_screen = lesson_screen
        self.artefacts = artefacts
        self.work = work
        self.seen = {}
        self.scale = 1.0
        self.left = self.top = 0.0

    def measure_view(self):
        """Where the board stands in the page: scaled uniformly to fit and centred, as the program draws it."""
        width, height = self.browser.evaluate("[innerWidth, innerHeight]")
        self.scale = min(width / BOARD_WIDTH, height / BOARD_HEIGHT)
        self.left = (width - BOARD_WIDTH * self.scale) / 2
        self.top = (height - BOARD_HEIGHT * self.scale) / 2
        return width, height

    def look(self, file):
        shot = self.browser.send("Page.captureScreenshot", {"format": "png", "clip": {
            "x": self.left, "y": self.top, "width": BOARD_WIDTH * self.scale, "height": BOARD_HEIGHT * self.scale,
            "scale": 1 / self.scale}})
        with open(file, "wb") as out:
            out.write(base64.b64decode(shot["data"]))
        report = subprocess.run([self.lesson_screen, file, "0", "0"], capture_output=True, text=True, check=True)
        self.seen = {name: int(value) for name, value in
                     (line.split("=") for line in report.stdout.split())}

    def wait_for(self, artefact, description, condition):
        started = time.monotonic()
        poll = os.path.join(self.work, "poll.png")
        while time.monotonic() - started < DEADLINE_SECONDS:
            self.check_page_alive()
            self.look(poll)
            if condition(self.seen):
                shutil.move(poll, os.path.join(self.artefacts, artefact))
                print(f"seen {time.monotonic() - started:.1f} s after the last action: {description} -> "
                      f"{os.path.join(self.artefacts, artefact)}", flush=True)
                return time.monotonic() - started
            time.sleep(0.2)
        shutil.move(poll, os.path.join(self.artefacts, artefact))
        raise Failure(f"not seen within {DEADLINE_SECONDS} s: {description} ({self.artefacts}/{artefact})")

    def check_page_alive(self):
        for event in self.browser.events:
            if event.get("method") == "Runtime.exceptionThrown":
                details = event["params"]["exceptionDetails"]
                text = details.get("exception", {}).get("description") or details.get("text")
                raise Failure(f"the page threw: {text}")
            if event.get("method") == "Inspector.targetCrashed":
                raise Failure("the page crashed")

    def at(self, x, y):
        return {"x": self.left + x * self.scale, "y": self.top + y * self.scale}

    def mouse(self, kind, x, y, buttons):
        self.browser.send("Input.dispatchMouseEvent", {"type": kind, **self.at(x, y), "button": "left",
                                                       "buttons": buttons, "clickCount": 1})

    def click(self, x, y):
        self.mouse("mouseMoved", x, y, 0)
        self.mouse("mousePressed", x, y, 1)
        self.mouse("mouseReleased", x, y, 0)

    def drag(self, points):
        first, *rest = points
        self.mouse("mouseMoved", *first, 0)
        self.mouse("mousePressed", *first, 1)
        for point in rest:
            self.mouse("mouseMoved", *point, 1)
        self.mouse("mouseReleased", *points[-1], 0)

    def key(self, key, code, virtual_key):
        for kind in ("keyDown", "keyUp"):
            self.browser.send("Input.dispatchKeyEvent", {"type": kind, "key": key, "code": code, "text": key if
                                                         kind == "keyDown" else "", "windowsVirtualKeyCode":
                                                         virtual_key, "nativeVirtualKeyCode": virtual_key})


def shown(seen, button):
    return seen[button] > BUTTON_PIXELS


def navy_in_every_block(seen, row, minimum):
    return all(seen[f"navy_block{block}_row{row}"] > minimum for block in range(1, 7))


def panel_empty(seen):
    return all(seen[f"navy_block{block}_row{row}"] < 20 for block in range(1, 7) for row in range(4))


def problem_drawn(seen):  # Activation hides "計算結果"; "排列方法" comes a second after the draw.
    return (seen["title_band"] > BAND_PIXELS and shown(seen, "problem_button") and shown(seen, "arrange_button")
            and not shown(seen, "result_button"))


def slider_at_fast(seen):  # The groove is filled up to its right end.
    return seen["slider_fill_right"] > 20


def walkthrough_shown(seen):  # Every block has its heading and product, and only "計算結果" is shown.
    return (shown(seen, "result_button") and not shown(seen, "arrange_button")
            and not shown(seen, "problem_button") and navy_in_every_block(seen, 0, 150)
            and navy_in_every_block(seen, 1, 100))


def working_shown(seen):  # Both lines of working under every block, and "出題" is back.
    return (shown(seen, "problem_button") and not shown(seen, "result_button")
            and navy_in_every_block(seen, 2, 100) and navy_in_every_block(seen, 3, 60))


def blanked(seen):
    return seen["black_pixels"] > 0.99 * BOARD_PIXELS


def working_still_there(seen):
    return seen["title_band"] > BAND_PIXELS and working_shown(seen)


def end_screen(seen):  # Navy from edge to edge, with "結束" in it.
    return seen["navy_pixels"] > 0.9 * BOARD_PIXELS and seen["title_band"] > BAND_PIXELS


def fresh_lesson(seen):
    return problem_drawn(seen) and panel_empty(seen)


def run(site_dir, lesson_screen, artefacts, figures, page_picture):
    if not shutil.which("chromium"):
        print("SKIPPED: chromium is not installed (Debian package chromium)")
        return SKIPPED
    for file in ("tarnwick.html", "tarnwick.js", "tarnwick.wasm", "qtloader.js"):
        if not os.path.isfile(os.path.join(site_dir, file)):
            raise Failure(f"no {file} in {site_dir}")
    os.makedirs(artefacts, exist_ok=True)
    for old in os.listdir(artefacts):
        if old.endswith(".png"):
            os.remove(os.path.join(artefacts, old))

    with tempfile.TemporaryDirectory() as work:
        site = Site(site_dir)
        browser = Browser(os.path.join(work, "profile"))
        try:
            browser.open_page(WINDOW_WIDTH, WINDOW_HEIGHT)
            lesson = Lesson(browser, lesson_screen, artefacts, work)
            opened = time.monotonic()
            browser.navigate(site.url("tarnwick.html"))
            loaded = time.monotonic() - opened
            width, height = lesson.measure_view()
            print(f"page {width} x {height}: the board is shown at {lesson.scale:g} x from "
                  f"{lesson.left:g}, {lesson.top:g}", flush=True)
            first_board = lesson.wait_for("00-first-board.png", "the board painted",
                                          lambda seen: seen["title_band"] > BAND_PIXELS)
            lesson.wait_for("01-problem-drawn.png", "a problem drawn, 出題 and 排列方法 shown", problem_drawn)
            if figures:
                print(f"FIGURE first painted board: {loaded + first_board:.2f} s after the page was opened "
                      f"(its load event at {loaded:.2f} s; screenshots polled about every 0.2 s)", flush=True)

            mid_y = SLIDER_Y + SLIDER_H / 2
            lesson_started, cpu_at_start = time.monotonic(), cpu_by_kind(browser)
            lesson.drag([(SLIDER_X + SLIDER_W / 2, mid_y), (SLIDER_X + SLIDER_W - 10, mid_y),
                         (SLIDER_X + SLIDER_W - 1, mid_y)])
            lesson.wait_for("02-speed-fast.png", "the speed slider dragged to FAST", slider_at_fast)

            lesson.click(ARRANGE_BUTTON_X + BUTTON_W / 2, BUTTON_Y + BUTTON_H / 2)
            lesson.wait_for("03-walkthrough.png", "six headings and six products, 計算結果 shown", walkthrough_shown)

            lesson.click(RESULT_BUTTON_X + BUTTON_W / 2, BUTTON_Y + BUTTON_H / 2)
            lesson.wait_for("04-working.png", "the working under all six blocks, 出題 shown", working_shown)
            if page_picture:
                time.sleep(2)  # the last entrances finish
                with open(page_picture, "wb") as out:
                    out.write(base64.b64decode(browser.send("Page.captureScreenshot", {"format": "png"})["data"]))

            if figures:
                print_cpu("from FAST to the end of the working, screenshots every 0.2 s included", time.monotonic() - lesson_started, cpu_at_start)
                measure_idle(browser)

            lesson.key(".", "Period", 0xBE)
            lesson.wait_for("05-blanked.png", "the view blanked by the . key", blanked)
            lesson.key(".", "Period", 0xBE)
            lesson.wait_for("06-back.png", "the lesson back as it was after the . key again", working_still_there)

            browser.visit_another_tab()
            lesson.wait_for("07-returned.png", "coming back from another tab draws a new problem: an empty "
                            "panel, 出題 and 排列方法 shown", fresh_lesson)

            lesson.click(EXIT_X + EXIT_W / 2, EXIT_Y + EXIT_H / 2)
            lesson.wait_for("08-end-screen.png", "離開 puts the end screen in the lesson's place", end_screen)
            lesson.click(BOARD_WIDTH / 2, BOARD_HEIGHT / 2)
            lesson.wait_for("09-started-afresh.png", "a click on it starts the lesson afresh: a new problem, "
                            "an empty panel, 出題 and 排列方法 shown", fresh_lesson)
            lesson.check_page_alive()
        finally:
            browser.close()
            site.close()
    print("PASSED: a whole lesson in the page, in chromium")
    return 0


def cpu_by_kind(browser):
    """Processor ticks used so far by the browser's processes, by kind."""
    return {kind: (pids, cpu_ticks(pids)) for kind, pids in browser.pids().items()}


def print_cpu(what, seconds, before):
    hertz = os.sysconf("SC_CLK_TCK")
    for kind, (pids, ticks) in sorted(before.items()):
        percent = 100.0 * (cpu_ticks(pids) - ticks) / hertz / seconds
        print(f"FIGURE CPU {what} ({seconds:.1f} s), {kind} ({len(pids)} processes): {percent:.1f} % of one core",
              flush=True)


def measure_idle(browser):
    """CPU of the browser's processes while the lesson waits for the teacher, from /proc."""
    time.sleep(2)  # the last entrances finish
    before = cpu_by_kind(browser)
    time.sleep(IDLE_SECONDS)
    print_cpu("while the lesson waits", IDLE_SECONDS, before)


def main():
    arguments = [a for a in sys.argv[1:] if not a.startswith("--")]
    options = dict(a[2:].partition("=")[::2] for a in sys.argv[1:] if a.startswith("--"))
    if len(arguments) != 3 or not set(options) <= {"figures", "page-picture"}:
        print(__doc__.strip().splitlines()[2].strip(), file=sys.stderr)
        return 2
    try:
        return run(*arguments, figures="figures" in options, page_picture=options.get("page-picture"))
    except Failure as failure:
        print(f"FAILED: {failure}\nscreenshots: {arguments[2]}")
        return 1


if __name__ == "__main__":
    sys.exit(main())
