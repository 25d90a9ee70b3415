#!/usr/bin/env python3
"""Runs the end-to-end tests of the calculator on a private X server.

    run_e2e.py --program build/dev/brindles-math [-k pattern ...]

Starts Xvfb on the first free display from :90 upward and openbox on it, runs
every test_*.py of this folder against copies of the program, and stops the
server and the window manager again however the tests end. Exits with 77
(skipped) when Xvfb, openbox, xdotool, xclip or the other X tools are missing.
"""

import argparse
import os
import shutil
import signal
import sys
import tempfile
import time
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import xsession  # noqa: E402

SKIPPED = 77


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="the built brindles-math")
    parser.add_argument("-k", dest="patterns", action="append",
                        help="run only tests whose name contains this text")
    args = parser.parse_args()

    missing = xsession.missing_tools()
    if missing:
        print("skipped: not installed: " + ", ".join(missing))
        return SKIPPED
    if not os.access(args.program, os.X_OK):
        print(f"no program to test at {args.program}")
        return 1
    os.environ["BRINDLE_E2E_PROGRAM"] = os.path.abspath(args.program)

    # A stop by CTest's timeout or by Ctrl+C still runs the clean-up below:
    # the tests pass KeyboardInterrupt on, where they would count SystemExit
    # as an error of the test running and go on.
    def interrupt(number, frame):
        raise KeyboardInterrupt(f"signal {number}")
    for sig in (signal.SIGTERM, signal.SIGHUP):
        signal.signal(sig, interrupt)

    # Every folder of the run goes below one, removed at the end; it stays
    # readable for the unprivileged user some tests run the program as.
    tempfile.tempdir = tempfile.mkdtemp(prefix="brindle-e2e-")
    os.chmod(tempfile.tempdir, 0o755)
    session = xsession.XSession()
    started = time.monotonic()
    try:
        session.start()
        print(f"X server {session.display} with openbox", flush=True)
        loader = unittest.TestLoader()
        if args.patterns:
            loader.testNamePatterns = [f"*{p}*" for p in args.patterns]
        suite = loader.discover(HERE, pattern="test_*.py", top_level_dir=HERE)
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    except KeyboardInterrupt as stop:
        print(f"stopped by {stop}")
        return 1
    finally:
        session.stop()
        shutil.rmtree(tempfile.tempdir, ignore_errors=True)
    print(f"end-to-end suite took {time.monotonic() - started:.1f} s")
    if result.testsRun == 0:
        print("no test ran")
        return 1
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
