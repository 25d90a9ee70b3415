#!/usr/bin/env python3
# Runs the end-to-end tests of the calculator on a private X server:
#
#     run_e2e.py --program build/dev/brindles-math [-k pattern ...]
#
# Starts Xvfb and openbox, runs every test_*.py of this folder against copies
# of the program (a .exe under Wine) and stops both however the tests end.
# Exits with 77 (skipped) when the X tools or Wine are missing.

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
from calculator_app import backend  # noqa: E402


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("-k", dest="patterns", action="append", default=[])
    args = parser.parse_args()
    wine = ["wine"] if args.program.endswith(".exe") else []
    missing = [tool for tool in wine if shutil.which(tool) is None] + xsession.missing_tools()
    if missing:
        print("skipped: not installed: " + ", ".join(missing))
        return 77
    os.environ["BRINDLE_E2E_PROGRAM"] = os.path.abspath(args.program)

    # CTest's timeout stops the run through the clean-up below, as Ctrl+C does.
    signal.signal(signal.SIGTERM, signal.default_int_handler)

    # Every folder of the run goes below one, readable for the unprivileged
    # user some tests run the program as.
    tempfile.tempdir = tempfile.mkdtemp(prefix="brindle-e2e-")
    os.chmod(tempfile.tempdir, 0o755)
    session = xsession.XSession()
    started = time.monotonic()
    try:
        session.start()
        loader = unittest.TestLoader()
        loader.testNamePatterns = [f"*{p}*" for p in args.patterns] or None
        suite = loader.discover(HERE, pattern="test_*.py", top_level_dir=HERE)
        result = unittest.TextTestRunner(verbosity=2, stream=sys.stdout).run(suite)
    except KeyboardInterrupt as stop:
        print(f"stopped by {stop}")
        return 1
    finally:
        backend().stop()
        session.stop()
        shutil.rmtree(tempfile.tempdir, ignore_errors=True)
    print(f"end-to-end suite took {time.monotonic() - started:.1f} s")
    return 0 if result.wasSuccessful() and result.testsRun > 0 else 1


if __name__ == "__main__":
    sys.exit(main())
