# A "VaZizi.ini" the user may not write: the program runs on its values and
# never changes it, whatever the user moves, switches or chooses; run by root,
# whom the permission bits do not stop, it leaves a file without them alone too.

import os
import stat
import subprocess

from calculator_app import CalculatorTestCase, as_user, user_id

# Lines as a person might write them by hand; any rewrite by the program
# would show at once (" = " and CR LF).
SETTINGS = b"WinX=200\nWinY=150\nCalcW=3\nCalcU=1\n"


class ReadOnlySettings(CalculatorTestCase):

    def run_on_read_only_settings(self, folder_writable, unprivileged=True):
        app = self.new_app(SETTINGS)
        os.chmod(app.settings_path, 0o444)
        os.chmod(app.folder, 0o777 if folder_writable else 0o755)
        uid = user_id(unprivileged)
        probe = subprocess.run([*as_user(uid), "/bin/sh", "-c", 'exec 3<>"$1"', "sh",
                                app.settings_path], stderr=subprocess.DEVNULL)
        # Root may open the file for writing: the program must refuse by itself.
        self.assertEqual(probe.returncode == 0, uid == 0, "who may open the file for writing")
        # Each file beside the program, its inode, time of change and mode:
        # a file added, replaced or rewritten in place shows.
        listing = lambda: [(name, (s := os.stat(os.path.join(app.folder, name))).st_ino,
                            s.st_mtime_ns, stat.S_IMODE(s.st_mode))
                           for name in sorted(os.listdir(app.folder))]
        before = listing()

        app.start("Rectangle and Squares - Brindle's Math", unprivileged=unprivileged)
        self.assertEqual(app.corner(), (200, 150))

        app.drag_title_bar(app.main, 60, 40)
        app.show_calculator("Bolt Circle")
        self.assertEqual(app.corner(), (260, 190))
        # The units drop-down, first in Tab order ("Decimal" from the file),
        # turned to "Fractions", then past Weight Ea to Radius for Enter.
        app.keys("Up", "Tab", "Tab")
        app.type_fields("1 1/2")
        app.keys("Return")
        # Read back after every change, so the program has handled them all;
        # in "Decimal" the radius would be written back as 1.5000.
        self.assertEqual(app.copy_field(), "1 1/2")

        self.assertEqual(app.settings(), SETTINGS)
        self.assertEqual(listing(), before,
                         "a file beside the program was added, replaced or touched")
        app.choose_menu("Calculate", "Exit")
        self.assertEqual(app.wait_for_exit(), 0)
        self.assertEqual(app.settings(), SETTINGS)

    def test_in_a_folder_the_user_may_only_read(self):
        self.run_on_read_only_settings(folder_writable=False)

    def test_in_a_folder_the_user_may_write(self):
        self.run_on_read_only_settings(folder_writable=True)

    def test_run_by_whoever_runs_the_tests_root_too(self):
        self.run_on_read_only_settings(folder_writable=False, unprivileged=False)
