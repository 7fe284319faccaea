#!/usr/bin/env python3
"""The layer check finds wrong-way includes in a planted tree and passes a clean one."""
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_layers  # noqa: E402


def tree(files):
    root = pathlib.Path(tempfile.mkdtemp())
    for name, text in files.items():
        (root / name).parent.mkdir(parents=True, exist_ok=True)
        (root / name).write_text(text, encoding="utf-8")
    return root


class LayerCheckTest(unittest.TestCase):
    def test_a_clean_tree_passes(self):
        root = tree({
            "config/a.h": "#pragma once\n#include <string>\n",
            "toolkit/b.h": '#include "config/a.h"\n',
            "setup/c.cpp": '#include "toolkit/b.h"\n#include "config/a.h"\n',
            "shell/d.cpp": '#include "setup/c.h"\n',
            "shell/shell.rc": '#include "d.rc"\n#include "setup/e.rc"\n',
        })
        self.assertEqual(list(check_layers.problems(root)), [])

    def test_wrong_way_includes_are_found(self):
        root = tree({
            "config/a.h": '#include "toolkit/b.h"\n#include <windows.h>\n',
            "toolkit/b.h": '#include "setup/c.h"\n',
            "setup/c.cpp": '#include "shell/button_bar_form.h"\n',
            "autorun/e.cpp": '#include "setup/c.h"\n',
            "setup/f.cpp": '#include "g.h"\n',
        })
        found = list(check_layers.problems(root))
        self.assertEqual(len(found), 6, found)
        self.assertTrue(any("setup/ may not include \"shell/button_bar_form.h\"" in p for p in found))
        self.assertTrue(any("does not name its layer" in p for p in found))
        self.assertTrue(any("<windows.h>" in p for p in found))


if __name__ == "__main__":
    unittest.main()
