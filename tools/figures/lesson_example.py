#!/usr/bin/env python3
"""Plays the lesson with the numbers 5, 6, 2 at the default speed through the scene tool and prints
every text of the walkthrough and of the working with its characters' places and its entry time,
the job counts and the two one-shot timers' intervals.

    python3 tools/figures/lesson_example.py build/tools/tarnwick-scene
"""
import json
import subprocess
import sys
import tempfile
from pathlib import Path


def texts(panel, jobs):
    """Groups the labels of one presentation into texts: one row, one start."""
    groups = {}
    for label, job in zip(panel, jobs):
        key = (job["start"], label["y"])
        groups.setdefault(key, []).append(label)
    for (start, y), labels in sorted(groups.items(), key=lambda item: (item[0][0], item[1][0]["x"])):
        # Headings of one row share a start: split them where the x steps back.
        run = []
        for label in labels:
            if run and label["x"] != run[-1]["x"] + 44:
                yield start, y, run
                run = []
            run.append(label)
        yield start, y, run


def main():
    scene_tool = sys.argv[1] if len(sys.argv) > 1 else "build/tools/tarnwick-scene"
    with tempfile.TemporaryDirectory() as name:
        folder = Path(name)
        (folder / "lesson.scene").write_text(f"""seed 4
activate
set txtNbr1 5
set txtNbr2 6
set txtNbr3 2
wait 1.1
click btnStep3
dump {folder / 'walkthrough.json'}
wait 14
click btnStep4
dump {folder / 'working.json'}
""")
        subprocess.run([scene_tool, str(folder / "lesson.scene")], check=True, stderr=subprocess.DEVNULL)
        walkthrough = json.loads((folder / "walkthrough.json").read_text())
        working = json.loads((folder / "working.json").read_text())
    for title, dump, first, timer in (("walkthrough", walkthrough, 0, "timStep4"),
                                      ("working", working, 60, "timStep1")):
        engine = dump["engine"]
        print(f"{title}: {engine['jobCounter']} jobs, {timer}.Interval = {dump['controls'][timer]['interval']}")
        for start, y, run in texts(dump["panel"][first:], engine["jobs"]):
            text = "".join(label["text"] for label in run)
            xs = ", ".join(f"{label['x']:g}" for label in run)
            print(f"  {text:8} x = {xs:28} y = {y:<4g} enters at {start:g} s  ({run[0]['fontFamily']})")


if __name__ == "__main__":
    main()
