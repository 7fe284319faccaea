#!/usr/bin/env python3
"""Checks the version block and the first icon of the shipped programs.

    check_version_info.py --version V --company TEXT [--icon PROGRAM]... PROGRAM...

Each program must carry a version block, a resource in Russian, whose string table "041904E3"
(Russian, code page 1251) holds product "Voltrane", the company, the version as file and
product version and a description of its own, with the translation 0x0419, 1251. A program
named with --icon must have icon group 100 first in its resources: Windows Explorer shows the
first one as the program's.
"""
import argparse
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from pe_image import PeImage, RT_ICON_GROUP, RT_VERSION  # noqa: E402
from version_info import VersionInfo  # noqa: E402

BLOCK = "041904E3"
TRANSLATION = (0x0419, 1251)
FIRST_ICON = 100


def version_problems(name, info, version, company):
    strings = info.strings.get(BLOCK)
    if strings is None:
        return [f"{name}: no string table {BLOCK} (has {sorted(info.strings)})"]
    wanted = {"ProductName": "Voltrane", "CompanyName": company, "FileVersion": version,
              "ProductVersion": version}
    problems = [f"{name}: {key} is {strings.get(key)!r}, not {value!r}"
                for key, value in wanted.items() if strings.get(key) != value]
    if not strings.get("FileDescription"):
        problems.append(f"{name}: no FileDescription")
    numbers = ".".join(str(n) for n in info.file_version)
    if not (numbers + ".").startswith(version + "."):
        problems.append(f"{name}: fixed file version {numbers} is not {version}")
    if info.translations != [TRANSLATION]:
        problems.append(f"{name}: translation {info.translations}, not [{TRANSLATION}]")
    return problems


def icon_problems(name, image):
    groups = image.resource_ids(RT_ICON_GROUP)
    if not groups:
        return [f"{name}: no icon group"]
    if groups[0] != FIRST_ICON:
        return [f"{name}: first icon group is {groups[0]}, not {FIRST_ICON}"]
    return []


def check(programs, icon_programs, version, company):
    problems, descriptions = [], {}
    for path in programs:
        name = pathlib.Path(path).name
        image = PeImage(path)
        found = [(language, data) for kind, ident, language, data in image.resources()
                 if kind == RT_VERSION and ident == 1]
        if not found:
            problems.append(f"{name}: no version resource")
            continue
        language, data = found[0]
        if language != TRANSLATION[0]:
            problems.append(f"{name}: version resource in language {language:#06x}")
        info = VersionInfo(data)
        problems += version_problems(name, info, version, company)
        description = info.strings.get(BLOCK, {}).get("FileDescription")
        if description and description in descriptions.values():
            problems.append(f"{name}: shares its description {description!r}")
        descriptions[name] = description
        if path in icon_programs:
            problems += icon_problems(name, image)
        print(f"{name}: {description!r}, version {'.'.join(map(str, info.file_version))}")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--version", required=True)
    parser.add_argument("--company", required=True)
    parser.add_argument("--icon", action="append", default=[])
    parser.add_argument("programs", nargs="+")
    args = parser.parse_args()
    programs = list(dict.fromkeys(args.programs + args.icon))  # each once, in order
    problems = check(programs, set(args.icon), args.version, args.company)
    for problem in problems:
        print("FAIL:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
