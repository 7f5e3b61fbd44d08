#!/usr/bin/env python3
"""Totals per folder of a gcovr JSON report: lines and branches covered, and
the functions no test calls (name and line), as Markdown."""
import json
import os
import sys
from collections import defaultdict


def main(path):
    with open(path, encoding="utf-8") as f:
        report = json.load(f)
    lines = defaultdict(lambda: [0, 0])
    branches = defaultdict(lambda: [0, 0])
    # Calls per function line: the instances of a template, and the copies of
    # an inline function in several objects, share one line and count
    # together (a constexpr call the compiler folded leaves an instance at
    # zero although its line ran).
    calls = defaultdict(int)
    names = {}
    for entry in report["files"]:
        name = entry["file"]
        folder = os.path.dirname(name) or "."
        for line in entry.get("lines", []):
            if line.get("gcovr/noncode"):
                continue
            lines[folder][1] += 1
            if line["count"] > 0:
                lines[folder][0] += 1
            for branch in line.get("branches", []):
                branches[folder][1] += 1
                if branch["count"] > 0:
                    branches[folder][0] += 1
        for function in entry.get("functions", []):
            key = (folder, os.path.basename(name), function["lineno"])
            calls[key] += function.get("execution_count", 0)
            full = function["name"].replace("(anonymous namespace)", "{anonymous}")
            short = full.split("(")[0] + (" (a lambda in it)" if "::{lambda" in full else "")
            names.setdefault(key, short)

    def percent(pair):
        return f"{100.0 * pair[0] / pair[1]:.1f}" if pair[1] else "-"

    print("| folder | lines | line % | branches | branch % |")
    print("|---|---|---|---|---|")
    for folder in sorted(lines):
        l, b = lines[folder], branches[folder]
        print(f"| {folder} | {l[0]}/{l[1]} | {percent(l)} | {b[0]}/{b[1]} | {percent(b)} |")
    print()
    print("## Functions no test calls")
    unreached = defaultdict(list)
    for key in sorted(calls, key=lambda k: (k[0], k[1], k[2])):
        if calls[key] == 0:
            unreached[key[0]].append(f"{key[1]}:{key[2]} {names[key]}")
    for folder in sorted(unreached):
        print()
        print(f"### {folder}")
        for item in unreached[folder]:
            print(f"- {item}")


if __name__ == "__main__":
    main(sys.argv[1])
