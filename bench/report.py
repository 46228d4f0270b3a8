#!/usr/bin/env python3
"""Prints the benchmark figures of one run (Google Benchmark JSON output) as a table.

For each operation and catalogue size: the component's time, its floor's time (the same
statements replayed with the raw SQLite API, measured in the same iterations), their ratio
and the goal; then the stricter floor (the statements prepared once and reset between runs)
and the ratio to it, which shows the headroom. Then the growth of each operation from the seeded catalogue (x1) to the ten
times larger one (x10). Figures are medians over the repetitions.
"""

import json
import statistics
import sys
from collections import defaultdict

# Goals: component / floor at most this much.
RATIO_GOALS = {
    "GetValsCalendar": 1.5,
    "GetValMaxHistoryRecords": 1.5,
    "GetValForecast": 1.5,
    "GetValExpenseReport": 1.5,
    "GetValProductComparisonRecords": 1.5,
    "LoadMeNewUser": 2.0,
    "LoadMeSavedUser": 2.0,
    "SaveFullLayout": 2.0,
    "ReadColumnsBar": 2.0,
}
GROWTH_GOAL = 12.0


def load(path):
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    runs = defaultdict(list)  # (operation, scale) -> [benchmark entries of each repetition]
    for entry in data["benchmarks"]:
        if entry.get("run_type") != "iteration" or entry.get("error_occurred"):
            continue
        operation, scale = entry["run_name"].split("/")[:2]
        runs[(operation, int(scale))].append(entry)
    return data.get("context", {}), runs


def median(entries, counter):
    values = [e[counter] for e in entries if counter in e]
    return statistics.median(values) if values else None


def fmt_us(value):
    if value is None:
        return "-"
    return f"{value / 1000:.2f} ms" if value >= 1000 else f"{value:.1f} us"


def main(path):
    context, runs = load(path)
    operations = sorted({op for op, _ in runs}, key=lambda op: (op not in RATIO_GOALS, op))
    print(f"{context.get('date', '')}  repetitions: {max(len(v) for v in runs.values())}"
          "  (medians)")
    print()
    header = (f"{'operation':<34}{'scale':>6}{'component':>12}{'floor':>12}{'ratio':>8}{'goal':>7}  met?"
              f"{'prepared':>12}{'ratio':>8}")
    print(header)
    print("-" * len(header))
    missed = 0
    for op in operations:
        for scale in (1, 10):
            entries = runs.get((op, scale))
            if not entries:
                print(f"{op:<34}{'x' + str(scale):>6}  (no result)")
                continue
            component = median(entries, "component_us")
            floor = median(entries, "floor_us")
            ratio = median(entries, "ratio")
            prepared = median(entries, "prepared_us")
            strict = median(entries, "prepared_ratio")
            goal = RATIO_GOALS.get(op)
            met = "-" if goal is None or ratio is None else ("yes" if ratio <= goal else "NO")
            missed += met == "NO"
            print(f"{op:<34}{'x' + str(scale):>6}{fmt_us(component):>12}{fmt_us(floor):>12}"
                  f"{(f'{ratio:.2f}' if ratio is not None else '-'):>8}"
                  f"{(f'{goal:.1f}' if goal else '-'):>7}  {met:<4}"
                  f"{fmt_us(prepared):>12}{(f'{strict:.2f}' if strict is not None else '-'):>8}")
    print()
    header = f"{'operation':<34}{'x1':>12}{'x10':>12}{'x10/x1':>8}{'goal':>7}  met?"
    print(header)
    print("-" * len(header))
    for op in operations:
        small, large = runs.get((op, 1)), runs.get((op, 10))
        if not small or not large:
            continue
        a, b = median(small, "component_us"), median(large, "component_us")
        growth = b / a
        met = "yes" if growth <= GROWTH_GOAL else "NO"
        missed += met == "NO"
        print(f"{op:<34}{fmt_us(a):>12}{fmt_us(b):>12}{growth:>8.2f}{GROWTH_GOAL:>7.0f}  {met}")
    print()
    print("all goals met" if missed == 0 else f"{missed} goal(s) missed")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "bench.json")
