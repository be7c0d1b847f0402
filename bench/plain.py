#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Plain-command benchmark: the CPU time (user and system) of a plain command
of ratedload-cli, which loads no Qt, against a hello-world C++ program, in one
run, alternating, as the median of many calls each. Prints both and their
ratio; with --most R, exits 1 when the ratio is above R.

usage: plain.py RATEDLOAD_CLI HELLO_WORLD [--runs N] [--most R]
"""

import argparse
import os
import resource
import statistics
import subprocess
import sys


def cpu_seconds(command):
    """CPU seconds of one run of the command, its children's clock."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    with open(os.devnull, "wb") as devnull:
        run = subprocess.run(command, stdout=devnull, stderr=subprocess.PIPE)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    if run.returncode != 0:
        sys.exit(f"{command[0]} ended with status {run.returncode}: {run.stderr.decode().strip()}")
    return (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("cli")
    parser.add_argument("hello")
    parser.add_argument("--runs", type=int, default=200)
    parser.add_argument("--most", type=float)
    args = parser.parse_args()

    plain = [args.cli, "load", "--area", "50"]
    cli, hello = [], []
    for _ in range(args.runs):
        cli.append(cpu_seconds(plain))
        hello.append(cpu_seconds([args.hello]))
    # The clock ticks in whole milliseconds or coarser: the mean of many runs
    # tells what the median of each cannot.
    cli_mean = statistics.mean(cli)
    hello_mean = statistics.mean(hello)
    ratio = cli_mean / hello_mean if hello_mean > 0 else float("inf")
    print(f"plain command, CPU per call, mean of {args.runs} alternating runs")
    print(f"  {' '.join(plain[1:]):30} {cli_mean * 1000:7.3f} ms")
    print(f"  {'hello world':30} {hello_mean * 1000:7.3f} ms")
    print(f"  ratio {ratio:.2f}")
    if args.most is not None and ratio > args.most:
        sys.exit(f"a plain command takes {ratio:.2f} times the CPU of hello world, more than {args.most}")


if __name__ == "__main__":
    main()
