#!/usr/bin/env python3
"""Checks the i686 build of the programs against the x86_64 build, which is the one that runs
here (this machine runs no 32-bit x86 program).

    check_i686.py X86_64_TREE I686_TREE PROGRAM=KIND...

PROGRAM is a path inside both build trees, KIND "gui" or "console". Each i686 program must be
a PE32 program for i386 of that kind, carry its manifest (resource 1 of type 24), import from
no DLL that its x86_64 build does not (so no runtime DLL is needed beside it), and import the
same functions as its x86_64 build, apart from the names that only one architecture has
(I686_ONLY, X86_64_ONLY) or that it spells otherwise (X86_64_NAME_ON_I686).
"""
import pathlib
import sys

sys.path.insert(0, str(pathlib.Path(__file__).parent))
from pe_image import (MACHINE_AMD64, MACHINE_I386, PE32, PE32_PLUS, RT_MANIFEST,  # noqa: E402
                      SUBSYSTEM_CONSOLE, SUBSYSTEM_GUI, PeImage)

KINDS = {"gui": SUBSYSTEM_GUI, "console": SUBSYSTEM_CONSOLE}

# The x86_64 names of functions that i686 imports under another name: the *Ptr window-long
# calls are macros for the plain ones on i686, and the 32-bit runtime takes the 32-bit-time and
# accessor forms of the same C runtime calls.
X86_64_NAME_ON_I686 = {
    "GetWindowLongPtrW": "GetWindowLongW", "SetWindowLongPtrW": "SetWindowLongW",
    "_wfindfirst64": "_wfindfirst", "_wfindnext64": "_wfindnext", "_wutime64": "_wutime",
    "_commode": "__p__commode", "_fmode": "__p__fmode", "_wcmdln": "__p__wcmdln",
    "_acmdln": "__p__acmdln", "___mb_cur_max_func": "__mb_cur_max", "_setjmp": "_setjmp3",
}
# Functions that only one architecture's runtime calls.
I686_ONLY = {
    # start-up looks for a DWARF-2 unwinder DLL to register its frame tables with
    "GetModuleHandleA", "LoadLibraryA", "FreeLibrary",
    # the C streams as data (x86_64: __iob_func), and helpers of the 32-bit C++ runtime
    "_iob", "atoi", "setlocale", "strchr",
}
X86_64_ONLY = {
    # table-based unwinding of exceptions
    "RtlCaptureContext", "RtlLookupFunctionEntry", "RtlUnwindEx", "RtlVirtualUnwind",
    "__C_specific_handler",
    "__iob_func", "___lc_codepage_func",
}


def normalise(imports, renames=None):
    """DLL names compare without case, as Windows loads them."""
    result = {}
    for dll, names in imports.items():
        result.setdefault(dll.lower(), set()).update((renames or {}).get(n, n) for n in names)
    return result


def compare_imports(name, wide, narrow):
    """Problems of the i686 imports (narrow) against the x86_64 ones (wide)."""
    wide, narrow = normalise(wide, X86_64_NAME_ON_I686), normalise(narrow)
    problems = [f"{name}: i686 imports from {dll}, which the x86_64 build does not use"
                for dll in sorted(set(narrow) - set(wide))]
    for dll in sorted(set(narrow) | set(wide)):
        only_narrow = narrow.get(dll, set()) - wide.get(dll, set()) - I686_ONLY
        only_wide = wide.get(dll, set()) - narrow.get(dll, set()) - X86_64_ONLY
        problems += [f"{name}: only i686 imports {dll}!{f}" for f in sorted(only_narrow)]
        problems += [f"{name}: only x86_64 imports {dll}!{f}" for f in sorted(only_wide)]
    return problems


def header_problems(name, image, kind, machine, magic):
    problems = []
    if image.machine != machine:
        problems.append(f"{name}: machine {image.machine:#x}, not {machine:#x}")
    if image.magic != magic:
        problems.append(f"{name}: optional header {image.magic:#x}, not {magic:#x}")
    if image.subsystem != KINDS[kind]:
        problems.append(f"{name}: subsystem {image.subsystem}, not {kind} ({KINDS[kind]})")
    if 1 not in image.resource_ids(RT_MANIFEST):
        problems.append(f"{name}: no embedded manifest (resource 1 of type 24)")
    return problems


def check_program(wide_tree, narrow_tree, program, kind):
    wide = PeImage(pathlib.Path(wide_tree) / program)
    narrow = PeImage(pathlib.Path(narrow_tree) / program)
    name = pathlib.Path(program).name
    problems = header_problems(name + " (x86_64)", wide, kind, MACHINE_AMD64, PE32_PLUS)
    problems += header_problems(name + " (i686)", narrow, kind, MACHINE_I386, PE32)
    problems += compare_imports(name, wide.imports(), narrow.imports())
    dlls = ", ".join(sorted(normalise(narrow.imports())))
    print(f"{name}: i686 PE32 {kind}, {sum(map(len, narrow.imports().values()))} imports "
          f"from {dlls}")
    return problems


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    problems = []
    for entry in argv[2:]:
        program, _, kind = entry.partition("=")
        problems += check_program(argv[0], argv[1], program, kind or "gui")
    for problem in problems:
        print("FAIL:", problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
