#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Batch benchmark: a check of a fleet of cars, CSV in and CSV or JSON out,
against `cat` of the same file as the floor. Prints rows per second and peak resident
memory of each, as medians of the runs; the fleet is written once, the same
for every run (a fixed seed): passenger, freight and freight/passenger cars
with a plated load, sides in feet, inches and eighths, an id and a building.
Memory is measured for a tenth of the fleet as well, to show that it does not
grow with the rows.

usage: batch.py RATEDLOAD_CLI [--rows N] [--runs N]
"""

import argparse
import os
import random
import statistics
import subprocess
import sys
import tempfile
import time


def write_fleet(path, rows):
    rng = random.Random(1)
    with open(path, "w", encoding="utf-8") as fleet:
        fleet.write("id,type,class,truck,load,depth,width,building\n")
        for i in range(rows):
            kind = rng.choice(("passenger", "freight", "freight-passenger"))
            freight_class = rng.choice(("A", "B", "C3")) if kind == "freight" else ""
            load = rng.randrange(1000, 8000, 100)
            depth = f"{rng.randint(5, 12)}ft{rng.randint(0, 11)}in"
            width = f"{rng.randint(4, 9)}ft{rng.randint(0, 11)}-{rng.choice((1, 3, 5, 7))}/8in"
            fleet.write(f"C{i},{kind},{freight_class},,{load},{depth},{width},Block {i % 97}\n")


def timed(command, stdin_path):
    """Wall seconds and peak resident kilobytes of one run. GNU time reads the
    peak: a child started from here would count this process's memory too."""
    with open(stdin_path, "rb") as stdin, open(os.devnull, "wb") as devnull:
        start = time.perf_counter()
        run = subprocess.run(["/usr/bin/time", "-f", "%M"] + command, stdin=stdin, stdout=devnull,
                             stderr=subprocess.PIPE, text=True)
        seconds = time.perf_counter() - start
    lines = run.stderr.strip().splitlines()
    if run.returncode not in (0, 1, 3) or not lines:
        sys.exit(f"{command[0]} ended with status {run.returncode}: {run.stderr.strip()}")
    return seconds, int(lines[-1].split()[-1])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("--rows", type=int, default=300_000)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()

    with tempfile.TemporaryDirectory() as folder:
        fleet = os.path.join(folder, "fleet.csv")
        small = os.path.join(folder, "fleet-tenth.csv")
        write_fleet(fleet, args.rows)
        write_fleet(small, args.rows // 10)
        check = [args.cli, "check", "--batch", "--format", "csv"]
        json = [args.cli, "check", "--batch", "--format", "json"]
        results = {"check --batch --format csv": [], "check --batch --format json": [],
                   "cat": []}
        for _ in range(args.runs):
            results["check --batch --format csv"].append(timed(check, fleet))
            results["check --batch --format json"].append(timed(json, fleet))
            results["cat"].append(timed(["cat"], fleet))
        _, small_memory = timed(check, small)

        print(f"{args.rows} cars, {os.path.getsize(fleet) / 1e6:.1f} MB of CSV, "
              f"median of {args.runs} runs, {os.cpu_count()} cores")
        for name, runs in results.items():
            seconds = statistics.median(run[0] for run in runs)
            memory = statistics.median(run[1] for run in runs)
            print(f"  {name:30} {args.rows / seconds:12,.0f} rows/s  {seconds:7.3f} s  "
                  f"peak {memory / 1024:6.1f} MiB")
        print(f"  peak memory for {args.rows // 10} cars: {small_memory / 1024:.1f} MiB")


if __name__ == "__main__":
    main()
