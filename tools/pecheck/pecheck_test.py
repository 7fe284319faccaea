#!/usr/bin/env python3
"""The program checks fail on planted faults in the real programs: an import or a DLL that
only the i686 build has, a wrong program kind or machine, a version block in another language.

    pecheck_test.py X86_64_TREE I686_TREE
"""
import pathlib
import struct
import sys
import tempfile
import types
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_i686  # noqa: E402
import check_version_info  # noqa: E402
from pe_image import MACHINE_AMD64, PE32_PLUS, RT_VERSION, PeImage  # noqa: E402
from version_info import VersionInfo  # noqa: E402

TREES = {}
SHELL = "shell/setupshell.exe"
VERSION, COMPANY = None, "Студия «Кестрелвуд»"


def doctored(path, change):
    """A copy of the program with its bytes changed by change(bytearray)."""
    data = bytearray(pathlib.Path(path).read_bytes())
    change(data)
    copy = pathlib.Path(tempfile.mkdtemp()) / pathlib.Path(path).name
    copy.write_bytes(data)
    return copy


def replace_utf16(old, new):
    def change(data):
        at = data.find(old.encode("utf-16-le"))
        assert at >= 0, old
        data[at:at + 2 * len(new)] = new.encode("utf-16-le")
    return change


class ImportComparisonTest(unittest.TestCase):
    def setUp(self):
        self.wide = PeImage(TREES["x86_64"] / SHELL).imports()
        self.narrow = PeImage(TREES["i686"] / SHELL).imports()

    def test_the_real_builds_import_the_same(self):
        self.assertEqual(check_i686.compare_imports("setupshell", self.wide, self.narrow), [])

    def test_an_import_only_one_build_has_fails(self):
        kernel = next(dll for dll in self.narrow if dll.lower() == "kernel32.dll")
        self.narrow[kernel].add("Beep")
        self.assertEqual(check_i686.compare_imports("setupshell", self.wide, self.narrow),
                         ["setupshell: only i686 imports kernel32.dll!Beep"])
        self.narrow[kernel].remove("Beep")
        user = next(dll for dll in self.wide if dll.lower() == "user32.dll")
        self.wide[user].add("MessageBeep")
        problems = check_i686.compare_imports("setupshell", self.wide, self.narrow)
        self.assertEqual(problems, ["setupshell: only x86_64 imports user32.dll!MessageBeep"])

    def test_a_runtime_dll_beside_the_i686_program_fails(self):
        self.narrow["libstdc++-6.dll"] = {"_ZSt9terminatev"}
        self.narrow["libgcc_s_dw2-1.dll"] = {"__deregister_frame_info"}
        problems = check_i686.compare_imports("setupshell", self.wide, self.narrow)
        self.assertIn("setupshell: i686 imports from libstdc++-6.dll, which the x86_64 build "
                      "does not use", problems)
        self.assertIn("setupshell: i686 imports from libgcc_s_dw2-1.dll, which the x86_64 "
                      "build does not use", problems)

    def test_dll_names_compare_without_case(self):
        upper = {dll.upper(): names for dll, names in self.narrow.items()}
        self.assertEqual(check_i686.compare_imports("setupshell", self.wide, upper), [])


class HeaderTest(unittest.TestCase):
    def header_problems(self, path, kind):
        return check_i686.header_problems("p", PeImage(path), kind, MACHINE_AMD64, PE32_PLUS)

    def test_the_real_programs_pass_and_a_console_one_where_a_gui_one_is_wanted_fails(self):
        self.assertEqual(self.header_problems(TREES["x86_64"] / SHELL, "gui"), [])
        self.assertEqual(
            self.header_problems(TREES["x86_64"] / "tools/voltcfg/voltcfg.exe", "console"), [])
        self.assertEqual(
            self.header_problems(TREES["x86_64"] / "tools/voltcfg/voltcfg.exe", "gui"),
            ["p: subsystem 3, not gui (2)"])

    def test_an_i686_program_in_the_x86_64_place_fails(self):
        problems = self.header_problems(TREES["i686"] / SHELL, "gui")
        self.assertIn("p: machine 0x14c, not 0x8664", problems)
        self.assertIn("p: optional header 0x10b, not 0x20b", problems)


class VersionBlockTest(unittest.TestCase):
    def check(self, path):
        return check_version_info.check([str(path)], {str(path)}, VERSION, COMPANY)

    def test_the_real_shell_passes(self):
        self.assertEqual(self.check(TREES["x86_64"] / SHELL), [])
        info = VersionInfo(PeImage(TREES["i686"] / SHELL).resource(RT_VERSION, 1))
        self.assertEqual(info.strings["041904E3"]["CompanyName"], COMPANY)

    def test_an_english_string_table_fails(self):
        copy = doctored(TREES["x86_64"] / SHELL, replace_utf16("041904E3", "040904B0"))
        self.assertEqual(len(self.check(copy)), 1)
        self.assertIn("no string table 041904E3", self.check(copy)[0])

    def test_another_translation_fails(self):
        def change(data):
            at = data.find("Translation".encode("utf-16-le"))
            at = data.find(struct.pack("<HH", 0x0419, 1251), at)
            data[at:at + 4] = struct.pack("<HH", 0x0409, 1200)
        problems = self.check(doctored(TREES["x86_64"] / SHELL, change))
        self.assertEqual(len(problems), 1)
        self.assertIn("translation [(1033, 1200)]", problems[0])

    def test_another_product_fails(self):
        copy = doctored(TREES["x86_64"] / SHELL, replace_utf16("Voltrane\0", "Voltrana\0"))
        self.assertIn("setupshell.exe: ProductName is 'Voltrana', not 'Voltrane'",
                      self.check(copy))

    def test_two_programs_with_one_description_fail(self):
        shell = TREES["x86_64"] / SHELL
        twin = doctored(shell, lambda data: None)
        problems = check_version_info.check([str(shell), str(twin)], set(), VERSION, COMPANY)
        self.assertEqual(len(problems), 1)
        self.assertIn("shares its description", problems[0])


class FirstIconTest(unittest.TestCase):
    @staticmethod
    def Groups(ids):
        return types.SimpleNamespace(resource_ids=lambda kind: ids)

    def test_the_real_programs_show_icon_100(self):
        for program in (SHELL, "autorun/autorun.exe"):
            for arch in ("x86_64", "i686"):
                image = PeImage(TREES[arch] / program)
                self.assertEqual(check_version_info.icon_problems(program, image), [])

    def test_another_first_icon_fails(self):
        self.assertEqual(check_version_info.icon_problems("p", self.Groups([101, 100])),
                         ["p: first icon group is 101, not 100"])
        self.assertEqual(check_version_info.icon_problems("p", self.Groups([])),
                         ["p: no icon group"])


if __name__ == "__main__":
    TREES["x86_64"], TREES["i686"] = map(pathlib.Path, sys.argv[1:3])
    info = VersionInfo(PeImage(TREES["x86_64"] / SHELL).resource(RT_VERSION, 1))
    VERSION = info.strings["041904E3"]["ProductVersion"]
    unittest.main(argv=sys.argv[:1])
