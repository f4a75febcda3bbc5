#!/usr/bin/env python3
"""Opens a page of the site in headless Chromium and prints what it writes to the console, until a line
matches a pattern (or a deadline passes).

    python3 console_of_page.py SITE_DIR PAGE PATTERN [DEADLINE_SECONDS]

Serves SITE_DIR from 127.0.0.1 and drives Chromium as the browser test does (tests/e2e/lesson_in_browser.py).
"""

import os
import re
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "e2e"))
from lesson_in_browser import Browser, Failure, Site  # noqa: E402


def console_lines(events):
    for event in events:
        if event.get("method") == "Runtime.consoleAPICalled":
            yield " ".join(str(argument.get("value", "")) for argument in event["params"]["args"])


def main():
    if len(sys.argv) not in (4, 5):
        print(__doc__.strip().splitlines()[3].strip(), file=sys.stderr)
        return 2
    site_dir, page, pattern = sys.argv[1:4]
    deadline = time.monotonic() + (float(sys.argv[4]) if len(sys.argv) == 5 else 300)
    with tempfile.TemporaryDirectory() as work:
        site = Site(site_dir)
        browser = Browser(os.path.join(work, "profile"))
        try:
            browser.open_page(1024, 768)
            browser.navigate(site.url(page))
            printed = 0
            while time.monotonic() < deadline:
                browser.send("Runtime.evaluate", {"expression": "0"})  # collects the events that came meanwhile
                lines = list(console_lines(browser.events))
                for line in lines[printed:]:
                    print(line, flush=True)
                    if re.search(pattern, line):
                        return 0
                printed = len(lines)
                time.sleep(0.5)
            print(f"FAILED: nothing matched {pattern!r} in time", file=sys.stderr)
            return 1
        except Failure as failure:
            print(f"FAILED: {failure}", file=sys.stderr)
            return 1
        finally:
            browser.close()
            site.close()


if __name__ == "__main__":
    sys.exit(main())
