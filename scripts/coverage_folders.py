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
    unreached = defaultdict(list)
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
            # Template instances share a line: one entry per line, the name
            # without its parameter list.
            if function.get("execution_count", 0) == 0:
                short = function["name"].replace("(anonymous namespace)", "{anonymous}").split("(")[0]
                unreached[folder].append(f"{os.path.basename(name)}:{function['lineno']} {short}")

    def percent(pair):
        return f"{100.0 * pair[0] / pair[1]:.1f}" if pair[1] else "-"

    print("| folder | lines | line % | branches | branch % |")
    print("|---|---|---|---|---|")
    for folder in sorted(lines):
        l, b = lines[folder], branches[folder]
        print(f"| {folder} | {l[0]}/{l[1]} | {percent(l)} | {b[0]}/{b[1]} | {percent(b)} |")
    print()
    print("## Functions no test calls")
    for folder in sorted(unreached):
        print()
        print(f"### {folder}")
        seen = set()
        for item in sorted(set(unreached[folder])):
            where = item.split(" ")[0]
            if where in seen:
                continue
            seen.add(where)
            print(f"- {item}")


if __name__ == "__main__":
    main(sys.argv[1])
