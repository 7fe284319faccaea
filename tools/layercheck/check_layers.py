#!/usr/bin/env python3
"""The layers of the code: config -> toolkit -> setup, shell, autorun.

Every quoted include in a layer's sources names the layer it comes from ("config/seams.h"),
and a layer includes only from itself and the layers below it. config/ also stays free of
Windows headers. Prints each wrong include and exits 1 when there is one.
"""
import pathlib
import re
import sys

ALLOWED = {
    "config": {"config"},
    "toolkit": {"config", "toolkit"},
    "setup": {"config", "toolkit", "setup"},
    "shell": {"config", "toolkit", "setup", "shell"},
    "autorun": {"config", "toolkit", "autorun"},
}
QUOTED = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)
ANGLED = re.compile(r'^\s*#\s*include\s+<([^>]+)>', re.M)
WINDOWS_HEADERS = {"windows.h", "commctrl.h", "mmsystem.h", "vfw.h", "shellapi.h", "winuser.h"}


def problems(root: pathlib.Path):
    for layer, allowed in ALLOWED.items():
        folder = root / layer
        if not folder.is_dir():
            continue
        for path in sorted(folder.rglob("*")):
            if path.suffix not in {".h", ".cpp", ".rc"}:
                continue
            text = path.read_text(encoding="utf-8")
            where = path.relative_to(root)
            for name in QUOTED.findall(text):
                top = name.split("/")[0] if "/" in name else None
                if path.suffix == ".rc" and top is None and name.endswith(".rc"):
                    continue  # a template beside it
                if path.suffix == ".rc" and top is None and (folder / name).exists():
                    continue  # an icon or bitmap beside it
                if top is None:
                    if path.suffix != ".rc":
                        yield f"{where}: include \"{name}\" does not name its layer"
                elif top in ALLOWED and top not in allowed:
                    yield f"{where}: {layer}/ may not include \"{name}\""
            if layer == "config":
                for name in ANGLED.findall(text):
                    if name.lower() in WINDOWS_HEADERS:
                        yield f"{where}: config/ is portable, but includes <{name}>"


def main(argv):
    root = pathlib.Path(argv[1] if len(argv) > 1 else ".").resolve()
    found = list(problems(root))
    for line in found:
        print(line)
    print(f"layer check: {len(found)} wrong includes")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
