#!/usr/bin/env python3
"""Turns the bench's samples into the table of results.

    report.py SAMPLES.csv RESULTS.md RESULTS.csv

SAMPLES.csv has the columns metric,variant,value, one line per measured run. Each row of the
table is the median of a measure against the median of its baseline, both from the same run,
and says whether its target is met.
"""
import csv
import statistics
import sys
from dataclasses import dataclass
from typing import Callable, Optional

KB = 1024


@dataclass
class Row:
    measure: str
    metric: str
    variant: str
    unit: str
    base_variant: Optional[str] = None  # the baseline: same metric, this variant
    base_metric: Optional[str] = None  # ...or another metric, when the baseline differs
    target: str = ""
    # Whether the target is met, given the measure's median and the ratio to the baseline.
    meets: Optional[Callable[[float, Optional[float]], bool]] = None
    # The ratio as baseline / measure instead of measure / baseline ("x times faster").
    inverted: bool = False


ROWS = [
    Row("Start-up: first paint", "first-paint", "shell", "ms", "floor",
        target="<= 1.25x floor", meets=lambda v, r: r is not None and r <= 1.25),
    Row("Start-up: button bar shown", "button-bar", "shell", "ms", "floor", "first-paint",
        target="(500 ms pause by design)"),
    Row("Setup dialog open, six pages", "setup-open", "shell", "ms", "floor",
        target="<= 1.5x bare tab dialog", meets=lambda v, r: r is not None and r <= 1.5),
    Row("Setup dialog open, against its own page templates bare", "setup-open", "shell", "ms",
        "floor-pages"),
    Row("Idle CPU over 20 s, game running", "idle-cpu-game", "shell", "ms CPU",
        target="<= 20 ms", meets=lambda v, r: v <= 20),
    Row("Idle CPU over 20 s, setup open", "idle-cpu-setup", "shell", "ms CPU"),
    Row("LoadConfig, native", "config", "LoadConfig-native", "us", "inih-native",
        target="<= 1x inih", meets=lambda v, r: r is not None and r <= 1.0),
    Row("LoadConfig, Wine", "config", "LoadConfig-wine", "us", "GetPrivateProfileStringW-wine",
        target=">= 50x faster than GetPrivateProfileStringW",
        meets=lambda v, r: r is not None and r >= 50, inverted=True),
    Row("SaveConfig, native", "config", "SaveConfig-native", "us", "plain write-native"),
    Row("SaveConfig, Wine", "config", "SaveConfig-wine", "us", "WritePrivateProfileStringW-wine",
        inverted=True),
    Row("Size stripped: setupshell.exe x86_64", "size", "setupshell.exe-x86_64", "KB",
        "floor_window.exe-x86_64", target="<= 800 KB", meets=lambda v, r: v <= 800),
    Row("Size stripped: setupshell.exe i686", "size", "setupshell.exe-i686", "KB",
        "floor_window.exe-x86_64", target="<= 800 KB", meets=lambda v, r: v <= 800),
    Row("Size stripped: autorun.exe x86_64", "size", "autorun.exe-x86_64", "KB",
        "floor_window.exe-x86_64"),
    Row("Size stripped: autorun.exe i686", "size", "autorun.exe-i686", "KB",
        "floor_window.exe-x86_64"),
    Row("Size stripped: voltcfg.exe x86_64", "size", "voltcfg.exe-x86_64", "KB",
        "floor_window.exe-x86_64"),
    Row("Size stripped: voltcfg native", "size", "voltcfg-native", "KB"),
    Row("Peak working set, setup open", "peak-working-set", "shell", "KB", "floor"),
]


def read_samples(path):
    """{(metric, variant): [values]} from the samples file."""
    samples = {}
    with open(path, newline="") as f:
        for line in csv.DictReader(f):
            samples.setdefault((line["metric"], line["variant"]), []).append(float(line["value"]))
    return samples


def median_of(samples, metric, variant):
    values = samples.get((metric, variant))
    return (statistics.median(values), len(values)) if values else (None, 0)


def scaled(row, value):
    """Sizes are sampled in bytes and shown in KB; the others as sampled."""
    if value is None:
        return None
    return value / KB if row.metric == "size" else value


def evaluate(row, samples):
    """The row's figures: median, repetitions, baseline median, ratio and the verdict."""
    value, count = median_of(samples, row.metric, row.variant)
    base = None
    if row.base_variant:
        base, _ = median_of(samples, row.base_metric or row.metric, row.base_variant)
    value, base = scaled(row, value), scaled(row, base)
    ratio = None
    if value is not None and base:
        ratio = base / value if row.inverted else value / base
    if row.inverted and value == 0:
        ratio = None
    verdict = ""
    if row.meets is not None:
        verdict = "not measured" if value is None else ("met" if row.meets(value, ratio) else "missed")
    return {"measure": row.measure, "unit": row.unit, "median": value, "runs": count,
            "baseline": row.base_variant or "", "baseline_median": base, "ratio": ratio,
            "ratio_kind": "baseline/measure" if row.inverted else "measure/baseline",
            "target": row.target, "verdict": verdict}


def number(value, digits=1):
    return "" if value is None else f"{value:.{digits}f}"


def markdown(results):
    lines = ["| Measure | Median | Runs | Baseline | Baseline median | Ratio | Target | Met |",
             "|---|---:|---:|---|---:|---:|---|---|"]
    for r in results:
        ratio = "" if r["ratio"] is None else f"{r['ratio']:.2f}x"
        if r["ratio"] is not None and r["ratio_kind"] == "baseline/measure":
            ratio += " faster"
        lines.append(f"| {r['measure']} | {number(r['median'])} {r['unit']} | {r['runs']} | "
                     f"{r['baseline']} | {number(r['baseline_median'])} | {ratio} | "
                     f"{r['target']} | {r['verdict']} |")
    return "\n".join(lines) + "\n"


def write_csv(results, path):
    fields = ["measure", "unit", "median", "runs", "baseline", "baseline_median", "ratio",
              "ratio_kind", "target", "verdict"]
    with open(path, "w", newline="") as f:
        writer = csv.DictWriter(f, fieldnames=fields)
        writer.writeheader()
        for r in results:
            writer.writerow({k: (number(r[k], 3) if isinstance(r[k], float) else r[k])
                             for k in fields})


def main(argv):
    if len(argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    samples = read_samples(argv[1])
    results = [evaluate(row, samples) for row in ROWS]
    with open(argv[2], "w") as f:
        f.write(markdown(results))
    write_csv(results, argv[3])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
