#!/usr/bin/env python3
"""Start-up of Brindle's Math against a bare Qt Widgets floor, on a private Xvfb.

Builds nothing: it takes the built program, the floor program and the window
watcher (all from one CMake build), starts an Xvfb on a free display (and
openbox when asked), and runs ours and the floor in turn, interleaved, each
under the watcher. For each run the watcher reports, in milliseconds from the
moment before the process was started:

  mapped   the window titled "Triangles" is mapped (what a user could see first)
  painted  that window has been drawn over its whole area (the page is shown)

and, once the program has used no CPU for 300 ms, its resident memory.

The program is copied into a fresh directory first, so that no "VaZizi.ini"
lies beside it: every run is a first run on the triangle page, and start-up
writes nothing.

Usage: bench/startup/measure.py [--build build/perf] [--runs 15] [--wm openbox]
"""

import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

TITLE = "Triangles"
TARGET_RATIO = 1.15
TARGET_MEMORY_MIB = 5.0


def repository_root():
    return os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=os.path.join(repository_root(), "build", "perf"),
                        help="CMake build directory holding brindles-math and bench/startup")
    parser.add_argument("--program", help="the program (default: BUILD/brindles-math)")
    parser.add_argument("--floor", help="the floor (default: BUILD/bench/startup/startup_floor)")
    parser.add_argument("--watch", help="the watcher (default: BUILD/bench/startup/window_watch)")
    parser.add_argument("--runs", type=int, default=15, help="runs of each program (default 15)")
    parser.add_argument("--wm", choices=["none", "openbox"], default="none",
                        help="window manager on the display (default: none)")
    parser.add_argument("--dbus", action="store_true",
                        help="give both programs a private session bus, as on a desktop")
    parser.add_argument("--env", action="append", default=[], metavar="NAME=VALUE",
                        help="extra environment for both programs (repeatable)")
    parser.add_argument("--keep-going", action="store_true",
                        help="always exit 0, also when a target is missed")
    arguments = parser.parse_args()
    build = arguments.build
    arguments.program = arguments.program or os.path.join(build, "brindles-math")
    arguments.floor = arguments.floor or os.path.join(build, "bench", "startup", "startup_floor")
    arguments.watch = arguments.watch or os.path.join(build, "bench", "startup", "window_watch")
    tools = ["Xvfb"] + (["openbox", "xprop"] if arguments.wm == "openbox" else [])
    tools += ["dbus-daemon"] if arguments.dbus else []
    for tool in tools:
        if shutil.which(tool) is None:
            parser.error(f"{tool} is not installed")
    for path in (arguments.program, arguments.floor, arguments.watch):
        if not os.access(path, os.X_OK):
            parser.error(f"{path} is not built (cmake --build {build} -j2 --target "
                         "brindles-math startup_floor window_watch)")
    return arguments


class SessionBus:
    """A private D-Bus session bus, as every desktop session has one."""

    def __init__(self):
        self.process = subprocess.Popen(
            ["dbus-daemon", "--session", "--nofork", "--nopidfile", "--print-address=1"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self.address = self.process.stdout.readline().strip()
        if not self.address:
            self.close()
            sys.exit("dbus-daemon did not start")

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait()


class Display:
    """An Xvfb on a display number it picks itself, optionally with openbox."""

    def __init__(self, wm):
        self.processes = []
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.processes.append(xvfb)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    self.close()
                    sys.exit("Xvfb did not start")
                number += chunk
        self.name = ":" + number.decode().strip()
        if wm == "openbox":
            self.processes.append(subprocess.Popen(
                ["openbox", "--sm-disable"], env=dict(os.environ, DISPLAY=self.name),
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
            self.wait_for_window_manager()

    def wait_for_window_manager(self):
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            probe = subprocess.run(["xprop", "-display", self.name, "-root",
                                    "_NET_SUPPORTING_WM_CHECK"],
                                   capture_output=True, text=True)
            if "window id" in probe.stdout:
                return
            time.sleep(0.05)
        self.close()
        sys.exit("openbox did not start")

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


def watch(watcher, program, environment):
    """One run under the watcher: a dict of its numbers."""
    result = subprocess.run([watcher, TITLE, program], env=environment,
                            capture_output=True, text=True, timeout=60)
    if result.returncode != 0:
        sys.exit(f"{program}: {result.stderr.strip()}")
    return {key: float(value) for key, value in
            (pair.split("=") for pair in result.stdout.split())}


def quartiles(values):
    q1, _, q3 = statistics.quantiles(values, n=4, method="inclusive")
    return q1, q3


def main():
    arguments = parse_arguments()
    scratch = tempfile.mkdtemp(prefix="brindle-startup-")
    display = None
    bus = None
    try:
        # A directory of the program's own: no settings file beside it.
        program = os.path.join(scratch, "program", "brindles-math")
        os.makedirs(os.path.dirname(program))
        shutil.copy2(arguments.program, program)
        runtime = os.path.join(scratch, "runtime")
        os.makedirs(runtime, mode=0o700)

        display = Display(arguments.wm)
        environment = dict(os.environ, DISPLAY=display.name, QT_QPA_PLATFORM="xcb",
                           XDG_RUNTIME_DIR=runtime)
        if arguments.dbus:
            bus = SessionBus()
            environment["DBUS_SESSION_BUS_ADDRESS"] = bus.address
        for setting in arguments.env:
            name, _, value = setting.partition("=")
            environment[name] = value

        programs = {"ours": program, "floor": arguments.floor}
        # One untimed run each: the page cache and the font caches are warm
        # for every timed run, as they are for a user's second start.
        for path in programs.values():
            watch(arguments.watch, path, environment)
        runs = {name: [] for name in programs}
        for _ in range(arguments.runs):
            for name, path in programs.items():
                runs[name].append(watch(arguments.watch, path, environment))
    finally:
        if bus:
            bus.close()
        if display:
            display.close()
        shutil.rmtree(scratch, ignore_errors=True)

    setting = ["openbox" if arguments.wm == "openbox" else "no window manager"]
    if arguments.dbus:
        setting.append("a session bus")
    setting += arguments.env
    print(f"Start-up on Xvfb {display.name} ({', '.join(setting)}), {arguments.runs} interleaved "
          f"runs each, {os.cpu_count()} CPUs, load average {os.getloadavg()[0]:.2f}")
    print(f"ours:  {arguments.program}")
    print(f"floor: {arguments.floor}")
    print()
    print(f"{'':26}{'median':>8}   {'q1 - q3':^19}   {'min - max':^19}".rstrip())
    medians = {}
    for metric, label in (("mapped_ms", "window mapped, ms"), ("painted_ms", "page painted, ms"),
                          ("rss_kib", "resident, MiB"), ("anon_kib", "anonymous, MiB")):
        scale = 1 / 1024 if metric.endswith("kib") else 1
        for name in ("ours", "floor"):
            values = [run[metric] * scale for run in runs[name]]
            median = statistics.median(values)
            medians[(metric, name)] = median
            q1, q3 = quartiles(values)
            line = (f"{label + ' ' + name:26}{median:8.2f}   {q1:8.2f} - {q3:<8.2f}"
                    f"   {min(values):8.2f} - {max(values):.2f}")
            print(line)
    print()
    ratio = medians[("painted_ms", "ours")] / medians[("painted_ms", "floor")]
    mapped_ratio = medians[("mapped_ms", "ours")] / medians[("mapped_ms", "floor")]
    extra = medians[("rss_kib", "ours")] - medians[("rss_kib", "floor")]
    time_ok = ratio <= TARGET_RATIO
    memory_ok = extra <= TARGET_MEMORY_MIB
    print(f"page painted, ours / floor: {ratio:.3f} (window mapped: {mapped_ratio:.3f}); "
          f"target {TARGET_RATIO}: {'met' if time_ok else 'MISSED'}")
    print(f"resident memory, ours - floor: {extra:+.2f} MiB; "
          f"target {TARGET_MEMORY_MIB:.0f} MiB: {'met' if memory_ok else 'MISSED'}")
    return 0 if arguments.keep_going or (time_ok and memory_ok) else 1


if __name__ == "__main__":
    sys.exit(main())
