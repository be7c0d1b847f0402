#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Start-up benchmark: wall time from process start until the first window is
exposed, and peak resident memory at that moment, for ratedload and for a bare
Qt Widgets program, alternating, under a private Xvfb display.

usage: startup.py RATEDLOAD BARE_WINDOW [--runs N]
"""

import argparse
import os
import statistics
import subprocess
import sys
import time

from Xlib import X, display as xdisplay


def start_xvfb():
    for number in range(90, 120):
        if os.path.exists(f"/tmp/.X11-unix/X{number}") or os.path.exists(f"/tmp/.X{number}-lock"):
            continue
        server = subprocess.Popen(["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{number}"):
                return server, f":{number}"
            time.sleep(0.05)
        server.kill()
    sys.exit("no free display for Xvfb")


def peak_rss_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    return 0


def one_run(program, display_name, connection):
    """Seconds until the program's first window is exposed, and its peak RSS in KiB."""
    root = connection.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    connection.sync()
    environment = dict(os.environ, DISPLAY=display_name, QT_QPA_PLATFORM="xcb")
    started = time.perf_counter()
    process = subprocess.Popen([program], env=environment,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = started + 30
        while time.perf_counter() < deadline:
            if connection.pending_events() == 0:
                time.sleep(0.0005)
                continue
            event = connection.next_event()
            # Without a window manager the server exposes a top-level window
            # in the very request that maps it, so its MapNotify on the root
            # marks the first expose; asking the new window for its Expose
            # events would race with the program's own requests.
            if event.type in (X.MapNotify, X.Expose):
                elapsed = time.perf_counter() - started
                return elapsed, peak_rss_kib(process.pid)
        raise RuntimeError(f"{program}: no window exposed within 30 s")
    finally:
        process.kill()
        process.wait()
        root.change_attributes(event_mask=X.NoEventMask)
        connection.sync()
        while connection.pending_events():
            connection.next_event()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("ratedload")
    parser.add_argument("bare")
    parser.add_argument("--runs", type=int, default=21)
    arguments = parser.parse_args()

    server, display_name = start_xvfb()
    try:
        connection = xdisplay.Display(display_name)
        programs = {"ratedload": arguments.ratedload, "bare Qt window": arguments.bare}
        results = {name: ([], []) for name in programs}
        for name, program in programs.items():  # one warm-up each, not counted
            one_run(program, display_name, connection)
        for _ in range(arguments.runs):
            for name, program in programs.items():
                seconds, kib = one_run(program, display_name, connection)
                results[name][0].append(seconds * 1000)
                results[name][1].append(kib / 1024)
    finally:
        server.kill()
        server.wait()

    times = {name: statistics.median(values[0]) for name, values in results.items()}
    memory = {name: statistics.median(values[1]) for name, values in results.items()}
    print(f"Medians of {arguments.runs} runs each, under Xvfb:\n")
    print(f"| {'program':<16} | {'start to first expose (ms)':>26} | {'peak RSS (MiB)':>14} |")
    print(f"|{'-' * 18}|{'-' * 28}|{'-' * 16}|")
    for name in programs:
        print(f"| {name:<16} | {times[name]:>26.1f} | {memory[name]:>14.1f} |")
    print(f"| {'ratio':<16} | {times['ratedload'] / times['bare Qt window']:>26.2f} | "
          f"{memory['ratedload'] / memory['bare Qt window']:>14.2f} |")


if __name__ == "__main__":
    main()
