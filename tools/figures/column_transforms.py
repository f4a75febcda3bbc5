#!/usr/bin/env python3
"""Runs the column transforms' worked examples through the scene tool and prints, for each,
the job count, every copy's starting place and target, and the rule line.

    python3 tools/figures/column_transforms.py build/tools/tarnwick-scene
"""
import json
import subprocess
import sys
import tempfile
from pathlib import Path

CASES = [("Multiple", "23,4"), ("Multiple", "123,45"), ("Multiple", "23,45"), ("Addition", "47,385"),
         ("Substraction", "305,47"), ("Substraction", "3,45"), ("Addition", "7,9")]


def run(scene_tool, folder, operation, operands):
    name = f"{operation}-{operands.replace(',', '_')}"
    script = folder / f"{name}.scene"
    script.write_text(f"""activate
engine reset 1
engine Formula_{operation}_Horizontal_TransformTo_Vertical paneCAL 0 0 0 0 440 0 0 "Ink Free" 33 [{operands}]
dump {folder / (name + '-recorded.json')}
engine start
wait 17.2
dump {folder / (name + '-end.json')}
""")
    subprocess.run([scene_tool, str(script)], check=True, stderr=subprocess.DEVNULL)
    recorded = json.loads((folder / f"{name}-recorded.json").read_text())
    end = json.loads((folder / f"{name}-end.json").read_text())
    copies = [(a, b) for a, b in zip(recorded["panel"], end["panel"]) if a["class"] == "TLabel"]
    rule = next(b for b in end["panel"] if b["class"] == "TRectangle")
    moves = " ".join(f"{a['text']}:({a['x']:g},{a['y']:g})->({b['x']:g},{b['y']:g})" for a, b in copies)
    print(f"{operation} [{operands}]: {recorded['engine']['jobCounter']} jobs; {moves}; "
          f"rule ({rule['x']:g},{rule['y']:g}) {rule['width']:g} x {rule['height']:g}")


def main():
    scene_tool = sys.argv[1] if len(sys.argv) > 1 else "build/tools/tarnwick-scene"
    with tempfile.TemporaryDirectory() as folder:
        for operation, operands in CASES:
            run(scene_tool, Path(folder), operation, operands)


if __name__ == "__main__":
    main()
