#!/usr/bin/env python3
"""Writes the player's ZIP of one architecture:

    Voltrane/   setupshell.exe (stripped), its KzR media folder, ПРОЧТИ.txt, register.cmd,
                and for Linux voltrane.sh (executable), voltrane.desktop and voltrane.png
    disc/       autorun.exe (stripped), autorun.inf (the icon it names is autorun.exe's first)
    voltcfg.exe (stripped)

The stand-in game and the stand-in installer are not in it. ПРОЧТИ.txt is written in code page
1251 with CR LF line ends, as a Russian Windows Notepad reads it; register.cmd with CR LF; the
Linux files as they are, the script and the desktop entry with Unix modes that let them run.

    make_package.py --out ZIP --strip STRIP --shell EXE --media KZR_DIR --autorun EXE
                    --autorun-inf FILE --voltcfg EXE --readme UTF8_FILE --register CMD_FILE
                    --linux-script SH_FILE --desktop-entry DESKTOP_FILE --icon PNG_FILE
"""
import argparse
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import zipfile

README_NAME = "ПРОЧТИ.txt"


def windows_text(text, encoding):
    """Text with CR LF line ends in the given code page; fails on a character it lacks."""
    lines = text.replace("\r\n", "\n").split("\n")
    return "\r\n".join(lines).encode(encoding)


def stage(args, root):
    install, disc = root / "Voltrane", root / "disc"
    install.mkdir()
    disc.mkdir()
    programs = [(args.shell, install / "setupshell.exe"), (args.autorun, disc / "autorun.exe"),
                (args.voltcfg, root / "voltcfg.exe")]
    for source, target in programs:
        shutil.copyfile(source, target)
        subprocess.run([args.strip, "--strip-all", str(target)], check=True)
    shutil.copytree(args.media, install / "KzR")
    shutil.copyfile(args.autorun_inf, disc / "autorun.inf")
    readme = pathlib.Path(args.readme).read_text(encoding="utf-8")
    (install / README_NAME).write_bytes(windows_text(readme, "cp1251"))
    register = pathlib.Path(args.register).read_text(encoding="ascii")
    (install / "register.cmd").write_bytes(windows_text(register, "ascii"))
    linux = [(args.linux_script, "voltrane.sh", 0o755),
             (args.desktop_entry, "voltrane.desktop", 0o755), (args.icon, "voltrane.png", 0o644)]
    for source, name, mode in linux:
        shutil.copyfile(source, install / name)
        (install / name).chmod(mode)


def write_zip(root, out):
    out.parent.mkdir(parents=True, exist_ok=True)
    partial = out.with_name(out.name + ".part")
    with zipfile.ZipFile(partial, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for path in sorted(root.rglob("*")):
            name = path.relative_to(root).as_posix()
            archive.write(path, name + "/" if path.is_dir() else name)
    os.replace(partial, out)


def main():
    parser = argparse.ArgumentParser()
    for option in ("out", "strip", "shell", "media", "autorun", "autorun-inf", "voltcfg",
                   "readme", "register", "linux-script", "desktop-entry", "icon"):
        parser.add_argument("--" + option, required=True)
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as scratch:
        root = pathlib.Path(scratch)
        stage(args, root)
        write_zip(root, pathlib.Path(args.out))
    return 0


if __name__ == "__main__":
    sys.exit(main())
