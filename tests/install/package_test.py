#!/usr/bin/env python3
# The Debian package as a user meets it: made by cpack, checked by lintian,
# installed with apt-get, started from its desktop entry's Exec line on a
# private X server as an ordinary user, who then finds a page switch kept in
# ~/.config/brindles-math/VaZizi.ini, and purged again leaving no file behind.
#
#     package_test.py <build dir> <version>
#
# Installs a package, so it needs root; exits 77 (skipped) without root,
# without the packaging or X tools, or when brindles-math is installed already.

import os
import shlex
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
import xsession as x  # noqa: E402
from calculator_app import NOBODY, CalculatorApp, settings_lines  # noqa: E402

PACKAGE = "brindles-math"
DESKTOP_ENTRY = "/usr/share/applications/org.brindlesmath.BrindlesMath.desktop"
METAINFO = "/usr/share/metainfo/org.brindlesmath.BrindlesMath.metainfo.xml"
APT = ["apt-get", "-y", "-q", "-o", "DPkg::Lock::Timeout=120"]
TOOLS = ("dpkg-shlibdeps", "lintian", "apt-get", "setpriv", "desktop-file-validate",
         "appstreamcli")


def output(*command):
    return subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                          text=True).stdout


def make_package(build, version, folder):
    subprocess.run(["cpack", "-G", "DEB", "-B", folder], cwd=build, check=True,
                   stdout=subprocess.DEVNULL)
    deb = os.path.join(folder, f"{PACKAGE}_{version}_amd64.deb")
    depends = output("dpkg-deb", "--field", deb, "Depends")
    print(f"{os.path.basename(deb)}: {os.path.getsize(deb)} bytes; Depends: {depends}", end="")
    assert "libqt6widgets6" in depends, "the Qt libraries are not among the dependencies"
    subprocess.run(["lintian", "--fail-on", "error", deb], check=True)
    return deb


def start_from_the_menu_and_switch_page():
    with open(DESKTOP_ENTRY) as entry:  # its Exec line, without field codes (%f, %U...)
        line = next(line for line in entry if line.startswith("Exec="))
    command = [word for word in shlex.split(line[5:]) if not word.startswith("%")]
    assert len(command) == 1, f"the program takes no arguments, yet Exec is {command}"
    os.environ["BRINDLE_E2E_PROGRAM"] = shutil.which(command[0])
    app = CalculatorApp()
    app.program = command[0]  # found on PATH, as the desktop starts it
    app.settings_path = os.path.join(app.home, ".config", PACKAGE, "VaZizi.ini")
    try:
        app.start("Triangles - Brindle's Math", unprivileged=True)
        app.show_calculator("Bolt Circle")
        app.wait_for_settings(settings_lines(("CalcW", 1)))
        app.choose_menu("Calculate", "Exit")
        assert app.wait_for_exit() == 0, "the program did not end well"
        config = os.stat(os.path.join(app.home, ".config"))
        assert (config.st_uid, config.st_mode & 0o777) == (NOBODY, 0o700), oct(config.st_mode)
        assert not os.path.exists("/usr/bin/VaZizi.ini"), "settings were written to /usr/bin"
    finally:
        app.close()


def main():
    build, version = sys.argv[1:3]
    missing = [tool for tool in TOOLS if shutil.which(tool) is None] + x.missing_tools()
    installed = lambda: output("dpkg-query", "-W", "-f=${db:Status-Status}", PACKAGE) == "installed"
    if os.geteuid() != 0 or missing or installed():
        print(f"skipped: needs root, {', '.join(missing) or 'no tool missing'}, "
              f"and {PACKAGE} not installed yet")
        return 77  # CTest's skip code
    tempfile.tempdir = tempfile.mkdtemp(prefix="brindle-package-")
    os.chmod(tempfile.tempdir, 0o755)  # the user nobody reaches the home folder below
    session = x.XSession()
    env = dict(os.environ, DEBIAN_FRONTEND="noninteractive")
    try:
        deb = make_package(build, version, tempfile.tempdir)
        subprocess.run(APT + ["install", deb], check=True, env=env, stdout=subprocess.DEVNULL)
        files = output("dpkg", "-L", PACKAGE).split()
        for needed in ("/usr/share/man/man1/brindles-math.1.gz", METAINFO,
                       "/usr/share/icons/hicolor/48x48/apps/org.brindlesmath.BrindlesMath.png"):
            assert needed in files, f"not installed: {needed}"
        subprocess.run(["desktop-file-validate", DESKTOP_ENTRY], check=True)
        subprocess.run(["appstreamcli", "validate", "--no-net", METAINFO], check=True)
        session.start()
        start_from_the_menu_and_switch_page()
        subprocess.run(APT + ["purge", PACKAGE], check=True, env=env, stdout=subprocess.DEVNULL)
        left = [f for f in files if os.path.lexists(f) and not os.path.isdir(f)]
        left += [f for f in files if os.path.isdir(f) and PACKAGE in f]
        assert not left, f"left behind after the purge: {left}"
    finally:
        session.stop()
        if installed():
            subprocess.run(APT + ["purge", PACKAGE], env=env, stdout=subprocess.DEVNULL)
        shutil.rmtree(tempfile.tempdir, ignore_errors=True)
    print("the package installs, keeps settings in ~/.config and purges cleanly")
    return 0


if __name__ == "__main__":
    sys.exit(main())
