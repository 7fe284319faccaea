#!/usr/bin/env python3
"""The bench's table: medians against baselines of the same run, ratios, verdicts."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import report  # noqa: E402


def samples_of(*lines):
    """Samples as read_samples gives them, from (metric, variant, value) lines."""
    with tempfile.NamedTemporaryFile("w", suffix=".csv", delete=False) as f:
        f.write("metric,variant,value\n")
        for line in lines:
            f.write(",".join(str(part) for part in line) + "\n")
    try:
        return report.read_samples(f.name)
    finally:
        os.unlink(f.name)


def row(measure):
    return next(r for r in report.ROWS if r.measure == measure)


class Medians(unittest.TestCase):
    def test_an_outlier_does_not_move_the_median(self):
        samples = samples_of(("first-paint", "shell", 100), ("first-paint", "shell", 5000),
                             ("first-paint", "shell", 110), ("first-paint", "floor", 90),
                             ("first-paint", "floor", 95), ("first-paint", "floor", 4000))
        result = report.evaluate(row("Start-up: first paint"), samples)
        self.assertEqual(result["median"], 110)
        self.assertEqual(result["baseline_median"], 95)
        self.assertEqual(result["runs"], 3)

    def test_an_even_count_takes_the_middle_two(self):
        samples = samples_of(("idle-cpu-game", "shell", 10), ("idle-cpu-game", "shell", 30))
        self.assertEqual(report.evaluate(row("Idle CPU over 20 s, game running"), samples)["median"], 20)


class Verdicts(unittest.TestCase):
    def test_first_paint_is_measured_against_the_floor(self):
        at_limit = samples_of(("first-paint", "shell", 125), ("first-paint", "floor", 100))
        over = samples_of(("first-paint", "shell", 126), ("first-paint", "floor", 100))
        self.assertEqual(report.evaluate(row("Start-up: first paint"), at_limit)["verdict"], "met")
        self.assertEqual(report.evaluate(row("Start-up: first paint"), over)["verdict"], "missed")

    def test_the_button_bar_is_compared_with_the_floors_first_paint(self):
        samples = samples_of(("button-bar", "shell", 900), ("first-paint", "floor", 300))
        result = report.evaluate(row("Start-up: button bar shown"), samples)
        self.assertAlmostEqual(result["ratio"], 3.0)
        self.assertEqual(result["verdict"], "")

    def test_profile_calls_must_be_fifty_times_slower(self):
        fast = samples_of(("config", "LoadConfig-wine", 10),
                          ("config", "GetPrivateProfileStringW-wine", 500))
        slow = samples_of(("config", "LoadConfig-wine", 11),
                          ("config", "GetPrivateProfileStringW-wine", 500))
        result = report.evaluate(row("LoadConfig, Wine"), fast)
        self.assertAlmostEqual(result["ratio"], 50.0)
        self.assertEqual(result["verdict"], "met")
        self.assertEqual(report.evaluate(row("LoadConfig, Wine"), slow)["verdict"], "missed")

    def test_sizes_are_judged_in_kilobytes_of_1024_bytes(self):
        just = samples_of(("size", "setupshell.exe-x86_64", 800 * 1024))
        over = samples_of(("size", "setupshell.exe-x86_64", 800 * 1024 + 1))
        measure = "Size stripped: setupshell.exe x86_64"
        self.assertEqual(report.evaluate(row(measure), just)["verdict"], "met")
        self.assertEqual(report.evaluate(row(measure), over)["verdict"], "missed")

    def test_a_measure_that_did_not_run_is_not_judged_met(self):
        result = report.evaluate(row("Setup dialog open, six pages"), samples_of())
        self.assertEqual(result["verdict"], "not measured")
        self.assertIsNone(result["ratio"])

    def test_a_missing_baseline_gives_no_ratio_and_no_pass(self):
        samples = samples_of(("setup-open", "shell", 200))
        result = report.evaluate(row("Setup dialog open, six pages"), samples)
        self.assertIsNone(result["ratio"])
        self.assertEqual(result["verdict"], "missed")


class Table(unittest.TestCase):
    def test_every_row_appears_once_in_the_markdown_and_the_csv(self):
        samples = samples_of(("first-paint", "shell", 120), ("first-paint", "floor", 100))
        results = [report.evaluate(r, samples) for r in report.ROWS]
        text = report.markdown(results)
        for r in report.ROWS:
            self.assertEqual(text.count(f"| {r.measure} |"), 1, r.measure)
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "results.csv")
            report.write_csv(results, path)
            with open(path) as f:
                self.assertEqual(len(f.read().strip().splitlines()), len(report.ROWS) + 1)
        self.assertIn("1.20x", text)


if __name__ == "__main__":
    unittest.main()
