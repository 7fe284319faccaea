#!/usr/bin/env python3
"""The player's ZIP holds what a player needs and nothing of the stand-ins, its programs are
stripped, its Russian read-me is code page 1251 with CR LF line ends, and the Linux start script
can run as it is unpacked, beside a desktop entry with the program's icon.

    package_test.py ZIP README_SOURCE
"""
import os
import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile
import zlib

here = pathlib.Path(__file__).parent
sys.path[:0] = [str(here), str(here.parent / "tools" / "pecheck")]
import make_package  # noqa: E402
from pe_image import PeImage  # noqa: E402

ZIP = None
README_SOURCE = None
PROGRAMS = ["Voltrane/setupshell.exe", "disc/autorun.exe", "voltcfg.exe"]


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.archive = zipfile.ZipFile(ZIP)
        cls.names = set(cls.archive.namelist())

    def test_it_holds_the_installation_the_disc_and_the_checker(self):
        wanted = PROGRAMS + ["Voltrane/ПРОЧТИ.txt", "Voltrane/register.cmd",
                             "Voltrane/KzR/logo.avi", "Voltrane/KzR/LHelp08.bmp",
                             "Voltrane/KzR/g_spd4.ico", "Voltrane/KzR/flag.wav",
                             "Voltrane/voltrane.sh", "Voltrane/voltrane.desktop",
                             "Voltrane/voltrane.png", "disc/autorun.inf"]
        self.assertEqual([name for name in wanted if name not in self.names], [])
        tops = {name.split("/")[0] for name in self.names}
        self.assertEqual(tops, {"Voltrane", "disc", "voltcfg.exe"})
        # The disc's entry names the packed autorun.
        text = self.archive.read("disc/autorun.inf").decode("ascii")
        self.assertIn("open=autorun.exe", text.splitlines())

    def test_it_holds_no_stand_in_and_nothing_a_run_leaves(self):
        unwanted = [name for name in self.names
                    if pathlib.PurePosixPath(name).name.lower() in ("voltra.exe", "setup.exe")
                    or name.lower().endswith((".cfg", ".log"))]
        self.assertEqual(unwanted, [])

    def test_the_programs_are_stripped(self):
        for name in PROGRAMS:
            image = PeImage(name, self.archive.read(name))
            self.assertEqual(image.symbol_count, 0, name)
            debug = [s[0] for s in image.sections if s[0].startswith(".debug")]
            self.assertEqual(debug, [], name)

    def test_the_readme_is_code_page_1251_with_cr_lf(self):
        data = self.archive.read("Voltrane/ПРОЧТИ.txt")
        self.assertNotIn(b"\n", data.replace(b"\r\n", b""))
        source = pathlib.Path(README_SOURCE).read_text(encoding="utf-8")
        self.assertEqual(data.decode("cp1251"), source.replace("\n", "\r\n"))
        self.assertIn("Настройка".encode("cp1251"), data)

    def test_register_cmd_has_cr_lf_and_names_the_key_and_values(self):
        data = self.archive.read("Voltrane/register.cmd")
        self.assertNotIn(b"\n", data.replace(b"\r\n", b""))
        for text in (rb"HKCU\SOFTWARE\Kestrelwood\Voltrane", b'"Main Folder"', b'"Cfg Name"',
                     b"voltra.cfg"):
            self.assertIn(text, data)

    def test_the_linux_script_and_its_entry_run_as_unpacked(self):
        for name in ("Voltrane/voltrane.sh", "Voltrane/voltrane.desktop"):
            info = self.archive.getinfo(name)
            self.assertEqual((info.create_system, info.external_attr >> 16 & 0o777), (3, 0o755))
        entry = self.archive.read("Voltrane/voltrane.desktop").decode("utf-8").splitlines()
        self.assertLess({"Name=Voltrane", "Name[ru]=Вольтран"}, set(entry))

    def test_the_icon_is_a_well_formed_64_pixel_png(self):
        data = self.archive.read("Voltrane/voltrane.png")
        self.assertEqual(data[:8], b"\x89PNG\r\n\x1a\n")
        chunks, at = {}, 8
        while at < len(data):
            size, kind = struct.unpack(">I4s", data[at:at + 8])
            body, crc = data[at + 8:at + 8 + size], data[at + 8 + size:at + 12 + size]
            self.assertEqual(struct.unpack(">I", crc)[0], zlib.crc32(kind + body), kind)
            chunks[kind], at = body, at + 12 + size
        self.assertEqual(chunks[b"IHDR"], struct.pack(">IIBBBBB", 64, 64, 8, 6, 0, 0, 0))
        self.assertEqual(len(zlib.decompress(chunks[b"IDAT"])), 64 * (1 + 64 * 4))


class StartScriptTest(unittest.TestCase):
    def test_a_failed_registration_shows_what_reg_said_and_starts_nothing(self):
        # A stand-in wine: register.cmd's run prints reg's complaint and fails; any other run
        # (a start of the shell) is logged.
        with tempfile.TemporaryDirectory() as root:
            with zipfile.ZipFile(ZIP) as archive:
                archive.extractall(root, ["Voltrane/voltrane.sh", "Voltrane/setupshell.exe"])
            fake = pathlib.Path(root, "wine")
            fake.write_text('#!/bin/sh\n[ "$*" != "cmd /c register.cmd" ] || '
                            '{ printf "reg: Access is denied.\\r\\n"; exit 1; }\n'
                            'echo "$*" >"$WINEPREFIX/started"\n')
            fake.chmod(0o755)
            os.makedirs(f"{root}/prefix/drive_c")
            run = subprocess.run(["sh", f"{root}/Voltrane/voltrane.sh"], capture_output=True,
                                 text=True, env=dict(os.environ, PATH=f"{root}:/usr/bin:/bin",
                                                     WINEPREFIX=f"{root}/prefix"))
            self.assertEqual((run.returncode, run.stderr, os.listdir(f"{root}/prefix")), (
                1, "Voltrane: register.cmd не записал реестр / register.cmd failed (1)\n"
                "reg: Access is denied.\n", ["drive_c"]))


class WindowsTextTest(unittest.TestCase):
    def test_line_ends_become_cr_lf_once(self):
        self.assertEqual(make_package.windows_text("а\nб\r\nв\n", "cp1251"),
                         b"\xe0\r\n\xe1\r\n\xe2\r\n")

    def test_a_character_outside_the_code_page_stops_the_packing(self):
        with self.assertRaises(UnicodeEncodeError):
            make_package.windows_text("Готово ✓", "cp1251")


if __name__ == "__main__":
    ZIP, README_SOURCE = sys.argv[1:3]
    unittest.main(argv=sys.argv[:1])
