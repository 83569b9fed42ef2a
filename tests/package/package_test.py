#!/usr/bin/env python3
"""The Debian package, unpacked into a temporary root: its dependencies and files, and its programs run
from there. The packaged quorlink-tool must find its catalogs in the unpacked share folder and keep its
preferences and log in the XDG folders of a temporary home, writing nothing beside itself.

  package_test.py PACKAGE-FOLDER   (the newest quorlink-tool_*.deb in it; scripts/package makes one)
"""
import glob
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

PACKAGE_FOLDER = None


def run(command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, timeout=60, **kwargs)


def read_log(folder):
    """The text of every log file in folder (UTF-16 with a byte-order mark)."""
    text = ""
    for path in sorted(glob.glob(os.path.join(folder, "*.LOG"))):
        with open(path, "rb") as file:
            text += file.read().decode("utf-16", errors="replace")
    return text


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        debs = sorted(glob.glob(os.path.join(PACKAGE_FOLDER, "quorlink-tool_*.deb")), key=os.path.getmtime)
        if not debs:
            raise RuntimeError(f"no package in {PACKAGE_FOLDER}: run scripts/package")
        cls.deb = debs[-1]
        cls.temp = tempfile.mkdtemp(prefix="quorlink-package-")
        cls.root = os.path.join(cls.temp, "root")
        subprocess.run(["dpkg-deb", "-x", cls.deb, cls.root], check=True)
        cls.bin = os.path.join(cls.root, "usr", "bin")
        cls.share = os.path.join(cls.root, "usr", "share")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.temp, ignore_errors=True)

    def home(self, name):
        folder = os.path.join(self.temp, name)
        os.makedirs(folder)
        return folder

    def environment(self, home, **xdg):
        env = {key: value for key, value in os.environ.items() if not key.startswith("XDG_")}
        env.update(HOME=home, QT_QPA_PLATFORM="offscreen", LANG="C.UTF-8", LC_ALL="C.UTF-8",
                   CUPS_SERVER=os.path.join(home, "no-cups-server.sock"))
        env.update(xdg)
        return env

    def test_depends_on_linked_libraries_and_on_what_qt_loads(self):
        depends = run(["dpkg-deb", "-f", self.deb, "Depends"]).stdout
        for package in ("qt6-qpa-plugins", "qt6-translations-l10n", "libqt6widgets6", "libcups2", "libusb-1.0-0",
                        "libudev1", "libc6"):
            self.assertIn(package, depends)

    def test_holds_programs_catalogs_desktop_entry_icons_manual_and_completion(self):
        self.assertTrue(os.access(os.path.join(self.root, "usr", "lib", "cups", "backend", "quorlink"), os.X_OK))
        languages = os.path.join(self.share, "quorlink-tool", "Languages")
        for suffix in ("Deu", "Fra", "Esp", "Ita", "Pol", "Hun", "Rus", "Kor", "Jpn", "Chn", "Twn"):
            self.assertTrue(os.path.isfile(os.path.join(languages, f"HALDAQlink{suffix}.qm")), suffix)
        for program in ("quorlink", "quorlink-tool"):
            self.assertTrue(os.access(os.path.join(self.bin, program), os.X_OK), program)
        icons = os.path.join(self.share, "icons", "hicolor")
        self.assertTrue(os.path.isfile(os.path.join(icons, "scalable", "apps", "quorlink-tool.svg")))
        for size in (16, 22, 24, 32, 48, 64, 128, 256):
            self.assertTrue(os.path.isfile(os.path.join(icons, f"{size}x{size}", "apps", "quorlink-tool.png")), size)
        self.assertEqual(run(["gzip", "-t", os.path.join(self.share, "man", "man1", "quorlink.1.gz")]).returncode, 0)
        completion = os.path.join(self.share, "bash-completion", "completions", "quorlink")
        self.assertEqual(run(["bash", "-n", completion]).returncode, 0)

    def test_lintian_reports_nothing(self):
        # Every error and warning fails; an override needs its reason in the override file.
        if shutil.which("lintian") is None:
            self.fail("lintian is not installed (scripts/setup installs it)")
        result = run(["lintian", "--fail-on", "error,warning", self.deb])
        output = result.stdout + result.stderr
        if os.geteuid() == 0:  # lintian's own remark about being run as root is no finding on the package
            output = output.replace("running with root privileges is not recommended!\n", "")
        self.assertEqual((result.returncode, output), (0, ""))
        overrides = os.path.join(self.share, "lintian", "overrides", "quorlink-tool")
        if os.path.exists(overrides):
            with open(overrides, encoding="utf-8") as file:
                lines = [line.rstrip("\n") for line in file]
            for number, line in enumerate(lines):
                if line and not line.startswith("#"):
                    self.assertTrue(number > 0 and lines[number - 1].startswith("#"),
                                    f"override without a reason: {line}")

    def test_copyright_is_machine_readable_and_changelog_names_this_version(self):
        doc = os.path.join(self.share, "doc", "quorlink-tool")
        with open(os.path.join(doc, "copyright"), encoding="utf-8") as file:
            copyright_text = file.read()
        self.assertTrue(copyright_text.startswith(
            "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"))
        self.assertIn("\nFiles: *\n", copyright_text)
        version = run(["dpkg-deb", "-f", self.deb, "Version"]).stdout.strip()
        changelog = run(["gzip", "-dc", os.path.join(doc, "changelog.gz")]).stdout
        self.assertTrue(changelog.startswith(f"quorlink-tool ({version}) "), changelog[:80])
        for line in run(["dpkg-deb", "-f", self.deb, "Description"]).stdout.splitlines():
            self.assertLessEqual(len(line), 80, line)
            self.assertFalse(line.startswith(" ;"), line)

    def test_both_programs_have_a_manual_page(self):
        for page in ("quorlink.1.gz", "quorlink-tool.1.gz"):
            path = os.path.join(self.share, "man", "man1", page)
            result = run(["man", "--warnings", "-l", path], env=dict(os.environ, MANWIDTH="80", LC_ALL="C.UTF-8"))
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(result.stderr, "", page)
        text = run(["man", "-l", os.path.join(self.share, "man", "man1", "quorlink-tool.1.gz")],
                   env=dict(os.environ, MANWIDTH="200", LC_ALL="C.UTF-8")).stdout
        for word in ("quorlink-tool.INI", "PREFERENCE[0]", "LOG", "DevicePort"):
            self.assertIn(word, text)

    def test_desktop_entry_and_metainfo_validate(self):
        desktop = os.path.join(self.share, "applications", "com.halda.QuorlinkTool.desktop")
        result = run(["desktop-file-validate", desktop])
        self.assertEqual((result.returncode, result.stdout + result.stderr), (0, ""))
        with open(desktop, encoding="utf-8") as file:
            entry = file.read()
        self.assertIn("Categories=Settings;HardwareSettings;", entry)
        for locale in ("de", "fr", "es", "it", "pl", "hu", "ru", "ko", "ja", "zh_CN", "zh_TW"):
            self.assertIn(f"Name[{locale}]=", entry)
            self.assertIn(f"Comment[{locale}]=", entry)
        metainfo = os.path.join(self.share, "metainfo", "com.halda.QuorlinkTool.metainfo.xml")
        result = run(["appstreamcli", "validate", "--no-net", metainfo])
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)

    def test_command_line_runs_from_the_unpacked_root(self):
        home = self.home("cli-home")
        result = run([os.path.join(self.bin, "quorlink"), "--help"], env=self.environment(home))
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertIn("Usage: quorlink", result.stdout)
        result = run([os.path.join(self.bin, "quorlink"), "--version"], env=self.environment(home))
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertRegex(result.stdout, r"^quorlink \(Quorlink Tool\) \d")

    def test_cups_backend_lists_the_simulated_printers(self):
        """The packaged backend, run as CUPS runs it for a device list, inside the network harness with the
        printer simulator: one quorlink:// line per printer."""
        backend = os.path.join(self.root, "usr", "lib", "cups", "backend", "quorlink")
        self.assertTrue(os.path.isfile(backend))
        self.assertEqual(os.stat(backend).st_mode & 0o7777, 0o755)
        harness, simulator = os.environ.get("QL_HARNESS"), os.environ.get("QL_SIM_BIN")
        self.assertTrue(harness and simulator, "QL_HARNESS and QL_SIM_BIN name the network harness and simulator")
        home = self.home("backend-home")
        config = os.path.join(home, "printers.json")
        with open(config, "w", encoding="utf-8") as file:
            file.write('{"printers": [{"type": "wired", "mac": "02:00:00:00:51:01", "ip": "192.0.2.61"},'
                       ' {"type": "wireless", "mac": "02:00:00:00:52:01", "ip": "192.0.2.62", "name": "Dock"}]}')
        env = self.environment(home, CUPS_CACHEDIR=home)
        result = run([harness, "--sim", config, "--sim-bin", simulator, "--", backend], env=env)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        lines = sorted(result.stdout.splitlines())
        self.assertEqual(len(lines), 2, result.stdout)
        self.assertTrue(lines[0].startswith('network quorlink://02-00-00-00-51-01 "VORANEX Label Printer" '), lines)
        self.assertIn("(192.0.2.61)", lines[0])
        self.assertTrue(lines[1].startswith('network quorlink://02-00-00-00-52-01 "VORANEX Label Printer" '
                                            '"Dock (wireless, 02:00:00:00:52:01) (192.0.2.62)"'), lines)

    def start_tool(self, env, ready):
        """Starts the packaged desktop program; returns (stderr text) once ready() holds and it still runs."""
        before = sorted(os.listdir(self.bin))
        process = subprocess.Popen([os.path.join(self.bin, "quorlink-tool")], env=env, cwd=env["HOME"],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        try:
            deadline = time.monotonic() + 30
            while not ready():
                self.assertIsNone(process.poll(), "quorlink-tool ended before its window was up")
                self.assertLess(time.monotonic(), deadline, "quorlink-tool did not get its window up in 30 s")
                time.sleep(0.1)
            # The window is built and shown right after; it must keep running.
            time.sleep(1.5)
            self.assertIsNone(process.poll(), "quorlink-tool ended on its own")
        finally:
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
            _, errors = process.communicate(timeout=10)
        self.assertEqual(sorted(os.listdir(self.bin)), before, "quorlink-tool wrote beside itself")
        return errors

    def test_desktop_program_uses_the_xdg_folders_and_the_share_folder(self):
        home = self.home("xdg-home")
        config, state = os.path.join(home, "cfg"), os.path.join(home, "st")
        preferences = os.path.join(config, "quorlink-tool", "quorlink-tool.INI")
        os.makedirs(os.path.dirname(preferences))
        with open(preferences, "w", encoding="utf-8") as file:
            file.write("[quorlink-tool]\nPREFERENCE[0]=1\nPREFERENCE[1]=1\n")  # log on, German
        log = os.path.join(state, "quorlink-tool", "LOG")
        errors = self.start_tool(self.environment(home, XDG_CONFIG_HOME=config, XDG_STATE_HOME=state),
                                 lambda: "SetLanguageResource : END" in read_log(log))
        text = read_log(log)
        catalog = os.path.join(self.share, "quorlink-tool", "Languages", "HALDAQlinkDeu.qm")
        self.assertIn(f"szModuleName (2) = {catalog}", text)
        self.assertNotIn("LoadLibrary failed", text)
        self.assertNotIn("hResource == 0x0 ", text)
        self.assertNotIn("VRXWriteConfigurationInfoFromFile failed", text)
        with open(preferences, encoding="utf-8") as file:
            self.assertIn("PREFERENCE[1]=1", file.read())
        self.assertFalse(os.path.exists(os.path.join(home, ".config")))
        self.assertFalse(os.path.exists(os.path.join(home, ".local")))
        self.assertNotIn("qt.qpa.plugin", errors)

    def test_desktop_program_defaults_to_the_home_folder(self):
        home = self.home("plain-home")
        preferences = os.path.join(home, ".config", "quorlink-tool", "quorlink-tool.INI")
        self.start_tool(self.environment(home), lambda: os.path.exists(preferences))
        with open(preferences, encoding="utf-8") as file:
            self.assertIn("PREFERENCE[1]=0", file.read())  # the first start's language, English
        self.assertEqual(os.stat(os.path.dirname(preferences)).st_mode & 0o777, 0o700)
        self.assertFalse(os.path.exists(os.path.join(home, ".local", "state", "quorlink-tool", "LOG")))  # log off


if __name__ == "__main__":
    PACKAGE_FOLDER = sys.argv.pop(1) if len(sys.argv) > 1 else "build/package"
    unittest.main(verbosity=2)
