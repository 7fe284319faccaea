#!/usr/bin/env python3
"""Runs voltcfg over a corpus of configuration files and compares its standard output, byte
for byte, and its exit status with the independent model in voltcfg_oracle.py.

The corpus is made at run time, deterministically: hand-made files for the reader's rules,
then mutations of the default file (values, names, case, line ends, long lines, stray bytes,
unknown keys and sections, truncation)."""

import argparse
import concurrent.futures
import os
import pathlib
import random
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import voltcfg_oracle as oracle  # noqa: E402
import detect_oracle  # noqa: E402

HAND_MADE = [
    b"", b"\n", b"\r\n\r\n   \t\r\n",
    b"[screen setup]\nscreenwidth = 800\n", b"[Screen Setup]\nScreenWidth = 0x320\n",
    b"[Screen Setup]\nScreenWidth = 0800\n", b"[Screen Setup]\nScreenWidth = -1\n",
    b"[Screen Setup]\nScreenWidth = 1e3\n", b"[Screen Setup]\nScreenWidth 800\n",
    b"[Screen Setup]\nScreenWidth = 800\nFoo = 1\n", b"[Setup]\nScreenWidth = 800\n",
    b"[ Screen Setup ]\nScreenWidth = 800\n", b"ScreenWidth = 800\n[Screen Setup]\n",
    b"[KeyDefinitions]\nMove_Forward = \"W\"\n",
    b"[KeyDefinitions]\nMove_Forward = \"W\" \"Q\" \"E\"\n",
    b"[Comm Setup]\nRTSName = 5\n", b"[Comm Setup]\nRTSName = \"a\"b\"\n",
    b"[Sound Setup]\nBlasterEmu = 0x220\n;MidiPort = 0x300\n",
    b"[Sound Setup]\nMidiPort = 0xFFFFFFFF\nFXVolume = 4294967295\n",
    b"[Screen Setup]\nScreenWidth = 99999999999999999999\n",
    b"[Screen Setup]\nScreenWidth = 800\xff" b"Foo = 1\n",
    b"[Screen\xffSetup]\nScreenWidth = 800\n",
    b"[Misc]\x00\nRunMode = 1\n", b"[Misc]\nRun\x00Mode = 1\n",
    b"[Misc]\rRunMode = 2\r\r\nCrosshairs = 0",
    b"[Misc]\n" + b" " * 257 + b"RunMode = 1\n", b"[Misc]\n" + b" " * 240 + b"RunMode = 1\n",
    b"[Misc]\r\n" + b" " * 240 + b"RunMode = 1\r\n", b"[Misc]\n" + b"x" * 600 + b"\n",
    b"[\xc0\xe1\xe2]\n", b"[Misc]\n\xc0 = 1\n", b"[]\nRunMode = 1\n", b"[Misc\nRunMode = 1\n",
    b"\"[Misc]\"\nRunMode = 1\n", b"[Misc] RunMode = 5\n", b"[Misc]\nRunMode = 5 ; a comment\n",
    b"[Misc]\nRunMode=\"\"\n", b"[Controls]\nControllerType = \"Joystick\"\n",
    b"[KeyDefinitions]\nFire = 5\n", b"[KeyDefinitions]\nFire = , \"A\"\n",
    b"\x1a[Misc]\nRunMode = 3\n", b"[Misc]\nRunMode = 3\x1a\nCrosshairs = 7\n",
    b"[Controls]\nMouseButton0 = \"" + b"A" * 40 + b"\"\n", b"[Controls]\n" + b"J" * 40 + b" = 1\n",
    b"[MISC]\nEXECUTIONS = 0X7fffffff\nrunmode = 0x80000000\n",
    b"[Controls]\nMouseAnalogScale0 = -524288\nmouseanalogscale1=\t-2147483648\n"
    b"JoystickAnalogScale0 = -0\nJoystickAnalogScale1 = -0x10\nJoystickPort = -1\n",
    b"[Controls]\nJoystickAnalogScale2 = - 5\nJoystickAnalogScale3 = --5\n"
    b"MouseAnalogScale0 = -5x\nMouseAnalogScale1 = +5\nMouseSensitivity = -512\n",
    b"_ = 1\n", b"; only a comment", b"\xff", b"\x00\x00\x00",
]

NUMBERS = [b"0", b"1", b"-1", b"0x", b"0x0", b"0xFFFFFFFF", b"0x100000000", b"2147483648",
           b"4294967296", b"007", b"0800", b"1e3", b"+5", b"12abc", b"0x1g", b"\"5\"", b"",
           b"abc", b"\"\"", b"\"a\" \"b\"", b"\"unterminated", b",5", b"=5", b"5.5", b"0X1f",
           b"-524288", b"-2147483648", b"-0", b"- 5", b"--5", b"-5x"]

JUNK_BYTES = [b"\xff", b"\x00", b"\r", b"\n", b"\t", b"\x1a", b"\xc0", b"\x98", b";", b"\"",
              b"[", b"]", b"=", b" ", b"\r\n"]


def mutate(rng, lines):
    op = rng.randrange(16)
    if not lines:
        lines.append(b"")
    i = rng.randrange(len(lines))
    line = lines[i]
    if op == 0 and b" = " in line:
        lines[i] = line.split(b" = ")[0] + b" = " + rng.choice(NUMBERS)
    elif op == 1:
        lines[i] = bytes(c ^ 0x20 if c < 128 and chr(c).isalpha() and rng.random() < 0.3 else c
                         for c in line)
    elif op == 2:
        del lines[i]
    elif op == 3:
        lines.insert(i, line)
    elif op == 4:
        lines.insert(i, rng.choice([b"", b"   ", b"; note", b"\t;x"]))
    elif op == 5:
        lines.insert(i, rng.choice([b"Foo = 1", b"ScreenWidth = 1", b"[Unknown]", b"[Setup]",
                                    b"[ Misc ]", b"RTSName = \"x\"", b"[misc]", b"[Controls"]))
    elif op == 6:
        pos = rng.randrange(len(line) + 1)
        lines[i] = line[:pos] + rng.choice(JUNK_BYTES) + line[pos:]
    elif op == 7:
        lines[i] = b" " * rng.randrange(200, 270) + line
    elif op == 8:
        lines[i] = line.replace(b" = ", b" ", 1)
    elif op == 9:
        lines[i] = line[1:] if line.startswith(b";") else b";" + line
    elif op == 10:
        lines[i] = line.replace(b"[", b"[ ", 1)
    elif op == 11:
        j = rng.randrange(len(lines))
        lines[i], lines[j] = lines[j], line
    elif op == 12 and b"\"" in line:
        lines[i] = line[:line.rfind(b"\"")]
    elif op == 13:
        lines[i] = line + b" " + rng.choice(NUMBERS)
    elif op == 14 and b" = " in line:
        lines[i] = line.split(b" = ")[0] + b" = \"" + bytes(
            rng.choice(b"AZaz09_ \xc0\xe9\xff,;=") for _ in range(rng.randrange(40))) + b"\""
    else:
        lines[i] = bytes(rng.randrange(1, 256) for _ in range(rng.randrange(1, 30)))


def join(rng, lines):
    style = rng.randrange(5)
    if style == 1:
        return b"\n".join(lines) + b"\n"
    if style == 2:
        return b"".join(line + rng.choice([b"\n", b"\r\n", b"\r", b"\r\r\n"]) for line in lines)
    if style == 3:
        return b"\r\n".join(lines)
    data = b"\r\n".join(lines) + b"\r\n"
    return data if style == 0 else data[:rng.randrange(len(data) + 1)]


def corpus(count, seed=1251):
    rng = random.Random(seed)
    files = list(HAND_MADE)
    base = oracle.save(oracle.DEFAULTS).split(b"\r\n")[:-1]
    while len(files) < count:
        lines = list(base)
        if rng.random() < 0.2:  # a short file around a few random lines
            start = rng.randrange(len(lines))
            lines = lines[start:start + rng.randrange(1, 12)]
        for _ in range(rng.choice([0, 1, 1, 2, 3, 5, 8])):
            mutate(rng, lines)
        files.append(join(rng, lines))
    return files[:count]


# Under Wine each program start outside a running session costs the session's own start, a
# second or two of both processors. So the commands are first collected (a run of the
# comparisons that only records them), then run one after another by one cmd.exe, in one session;
# the comparisons then take their results from there, each once, so that a retry runs anew.
recording = None
batched = {}


def execute(command, timeout):
    """(exit status, output, error output) of a command line, or None while recording."""
    key = tuple(command)
    if recording is not None:
        recording[key] = None
        return None
    if key in batched:
        return batched.pop(key)
    result = subprocess.run(command, stdout=subprocess.PIPE, stderr=subprocess.PIPE,
                            timeout=timeout)
    return result.returncode, result.stdout, result.stderr


def windows_path(path):
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def run_batch(runner, workdir, commands):
    """Runs the recorded command lines in one cmd.exe under the runner. A line that cmd could
    read otherwise than it stands (not ASCII, a percent sign or a quote) is left to run alone."""
    folder = os.path.join(workdir, "batch")
    shutil.rmtree(folder, ignore_errors=True)  # nothing of an earlier run is taken for this one
    os.makedirs(folder)
    lines = ["@echo off"]
    taken = []
    for number, command in enumerate(commands):
        words = command[len(runner):]
        if not all(word.isascii() and "%" not in word and '"' not in word for word in words):
            continue
        result = windows_path(os.path.join(folder, "%d" % number))
        quoted = ['"%s"' % windows_path(words[0])] + ['"%s"' % word for word in words[1:]]
        lines.append('%s >"%s.out" 2>"%s.err"' % (" ".join(quoted), result, result))
        lines.append('>"%s.rc" echo %%errorlevel%%' % result)
        taken.append(number)
    script = os.path.join(folder, "batch.cmd")
    pathlib.Path(script).write_bytes(("\r\n".join(lines) + "\r\n").encode("ascii"))
    try:
        subprocess.run(runner + ["cmd", "/c", windows_path(script)], stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=900)
    except subprocess.TimeoutExpired:
        pass  # what did not finish runs alone
    for number in taken:
        base = os.path.join(folder, "%d." % number)
        try:
            status, out, err = (open(base + name, "rb").read() for name in ("rc", "out", "err"))
            batched[commands[number]] = (int(status), out, err)
        except (OSError, ValueError):
            continue


def run(runner, voltcfg, args, want=None):
    """(exit status, output). Under Wine, a result other than want is taken again once: Wine now
    and then fails to start a program, and voltcfg itself is deterministic."""
    result = execute(runner + [voltcfg] + args, 120)
    got = (-1, b"") if result is None else result[:2]  # while recording: no status
    if want is not None and got != want and runner:
        return run(runner, voltcfg, args)
    return got


def compare(runner, voltcfg, path, data):
    failures = []
    normalized, warned = oracle.load(data)
    expected = {
        "normalize": (1 if warned else 0, oracle.save(normalized)),
        "check": (1 if warned else 0, oracle.check(data, path)[0]),
    }
    for command, want in expected.items():
        got = run(runner, voltcfg, [command, path], want)
        if got != want:
            failures.append("%s %s: exit %d, expected %d%s" % (
                command, path, got[0], want[0], "" if got[1] == want[1] else "; output differs"))
    return failures


AUTOEXEC_LINES = [b"@ECHO OFF", b"SET BLASTER=A220 I5 D1 H5 P330 T6", b"set blaster = a240 i7",
                  b"SET BLASTER=A280 I10 D3 H7 P300 E620 T6", b"REM SET BLASTER=A260 I9",
                  b"@SET BLASTER=A260", b"SET BLASTER=A I D", b"SET BLASTER=E640", b"SET BLASTER",
                  b"SET BLASTER=A220,I5", b"SET BLASTER=A2G0 I0x7 DFF H12345678901",
                  b"SET PATH=C:\\DOS", b"SET BLASTER=\"A220\"", b"SetBlaster=A220",
                  b"SET BLASTER=_A220 Q1 i3 p0330", b"LH C:\\SB16\\DIAGNOSE /S"]
DETLOG_LINES = [b"IO=220-22F,330-331,388-38B", b"IO = 240", b"io=0220", b"IO=330-331",
                b"IO=FFFFFFFF", b"IRQ=5", b"IRQ=0", b"IRQ=07", b"irq = 10", b"IRQ=5,7",
                b"DMA=1,5", b"DMA=1", b"DMA=1,0", b"DMA = 3 , 7", b"DMA=3,", b"[SB16]",
                b"Name=Sound Blaster 16", b"", b"; IO=220", b"IO=\"220\""]
DEVICES = [b"SB16 Aux (220)", b"Aux [240]", b"Generic Aux", b"MPU (330)", b"x (0x220)",
           b"x ( 220)", b"x (-220)", b"x [330] (300)", b"x (FFFFFFFFF)", b"x (22G)", None]


def detection_corpus(count, seed=1998):
    """(autoexec bytes or None, detlog bytes or None, aux name, MIDI name)."""
    rng = random.Random(seed)
    cases = []
    for _ in range(count):
        def text(pool, lines):
            chosen = [rng.choice(pool) for _ in range(lines)]
            if rng.random() < 0.3:
                i = rng.randrange(len(chosen))
                pos = rng.randrange(len(chosen[i]) + 1)
                chosen[i] = chosen[i][:pos] + rng.choice(JUNK_BYTES) + chosen[i][pos:]
            if rng.random() < 0.1:
                chosen.append(b" " * rng.randrange(250, 270) + rng.choice(pool))
            return join(rng, chosen)
        autoexec = text(AUTOEXEC_LINES, rng.randrange(1, 6)) if rng.random() < 0.5 else None
        log = text(DETLOG_LINES, rng.randrange(1, 12)) if rng.random() < 0.8 else None
        if log is not None and rng.random() < 0.6:  # runs of IO, IRQ and DMA lines, mostly whole
            runs = []
            for _ in range(rng.randrange(1, 4)):
                runs += [rng.choice(DETLOG_LINES[:5]), rng.choice(DETLOG_LINES[5:10]),
                         rng.choice(DETLOG_LINES[10:15])]
                if rng.random() < 0.3:
                    runs.insert(rng.randrange(len(runs) + 1), rng.choice(DETLOG_LINES))
            log = join(rng, runs)
        aux = DEVICES[0] if rng.random() < 0.5 else rng.choice(DEVICES)
        cases.append((autoexec, log, aux, rng.choice(DEVICES)))
    return cases


def compare_detection(runner, voltcfg, workdir, number, case):
    autoexec, log, aux, midi = case
    args = []
    for option, data in (("--autoexec", autoexec), ("--detlog", log)):
        if data is not None:
            path = os.path.join(workdir, "detect%04d%s.txt" % (number, option[2:]))
            pathlib.Path(path).write_bytes(data)
            args += [option, path]
    for option, name in (("--aux", aux), ("--midi", midi)):
        if name is not None:
            args += [option, name.decode()]
    found, record = detect_oracle.detect(autoexec, log, aux, midi)
    want = (0, detect_oracle.report(found, record))
    got = run(runner, voltcfg, ["detect"] + args, want)
    if got != want:
        return ["detect %s: exit %d%s" % (" ".join(args), got[0],
                                          "" if got[1] == want[1] else "; output differs")]
    # normalize over a file without the card's keys takes them from the detected defaults.
    path = os.path.join(workdir, "detect%04d.cfg" % number)
    data = b"[Sound Setup]\r\nFXVolume = 99\r\n;BlasterEmu = 0x300\r\n"
    pathlib.Path(path).write_bytes(data)
    tables, warned = oracle.load(data, detect_oracle.defaults_after(found, record))
    want = (1 if warned else 0, oracle.save(tables))
    got = run(runner, voltcfg, ["normalize", path] + args, want)
    return [] if got == want else ["normalize %s with %s: differs" % (path, " ".join(args))]


def compare_refusals(runner, voltcfg, workdir):
    """Every command and option that takes a file refuses a missing one, a folder, a device or a
    pipe at once: status 2, no output, the path named."""
    good = os.path.join(workdir, "good.cfg")
    pathlib.Path(good).write_bytes(oracle.save(oracle.DEFAULTS))
    paths = [workdir, os.path.join(workdir, "missing.txt")]
    if runner:  # Windows has no FIFO, and a device name opens the device
        paths.append("NUL")
    else:
        paths += [os.path.join(workdir, "no-writer.fifo"), "/dev/zero", "/dev/null"]
        if not os.path.exists(paths[2]):
            os.mkfifo(paths[2])

    def refused(args, path):
        try:
            result = execute(runner + [voltcfg] + args, 30)
        except subprocess.TimeoutExpired:
            return False  # still reading
        return result is not None and result[:2] == (2, b"") and path.encode() in result[2]

    failures = []
    for path in paths:
        for args in (["check", path], ["normalize", path], ["detect", "--autoexec", path],
                     ["detect", "--detlog", path], ["normalize", good, "--detlog", path]):
            # Wine now and then fails to start a program: one more try there.
            if not refused(args, path) and not (runner and refused(args, path)):
                failures.append("%s: not refused at once, by name, with 2" % " ".join(args))
    return failures


def compare_all(args):
    """The failures, the detection cases and the corpus files."""
    failures = []
    got = run(args.runner, args.voltcfg, ["defaults"])
    if got != (0, oracle.save(oracle.DEFAULTS)):
        failures.append("defaults: exit %d or output differs" % got[0])
    failures += compare_refusals(args.runner, args.voltcfg, args.workdir)
    for bad in (["normalize"], ["check"], ["bogus", "x"], ["normalize", "a", "b"],
                ["detect", "x"], ["detect", "--aux"], ["normalize", "--midi", "m"],
                ["detect", "--bogus", "x"]):
        got = run(args.runner, args.voltcfg, bad)
        if got != (2, b""):
            failures.append("%s: exit %d, expected 2 and no output" % (" ".join(bad), got[0]))
    detections = detection_corpus(max(args.count // 5, 4))
    files = corpus(args.count)
    paths = [os.path.join(args.workdir, "case%04d.cfg" % n) for n in range(len(files))]
    for path, data in zip(paths, files):
        pathlib.Path(path).write_bytes(data)
    workers = 1 if args.runner else (os.cpu_count() or 2)
    with concurrent.futures.ThreadPoolExecutor(workers) as pool:
        for found in pool.map(lambda job: compare_detection(args.runner, args.voltcfg,
                                                            args.workdir, *job),
                              enumerate(detections)):
            failures.extend(found)
        for found in pool.map(lambda job: compare(args.runner, args.voltcfg, *job),
                              zip(paths, files)):
            failures.extend(found)
    return failures, detections, files


def main():
    global recording
    parser = argparse.ArgumentParser()
    parser.add_argument("--voltcfg", required=True)
    parser.add_argument("--count", type=int, default=3000)
    parser.add_argument("--workdir", required=True)
    parser.add_argument("--runner", nargs="*", default=[])
    args = parser.parse_args()
    os.makedirs(args.workdir, exist_ok=True)

    if args.runner:
        recording = {}
        compare_all(args)
        commands, recording = list(recording), None
        run_batch(args.runner, args.workdir, commands)
        ran = len(batched)
    failures, detections, files = compare_all(args)
    if args.runner:
        print("%d command lines, %d of them run in one session; %d of those results unused" % (
            len(commands), ran, len(batched)))
    found = sum(detect_oracle.detect(*case)[0] for case in detections)
    print("%d detections, %d of them found a card" % (len(detections), found))
    warned = sum(oracle.load(d)[1] for d in files)
    print("%d files, %d of them warned about, %d mismatches" % (len(files), warned, len(failures)))
    for failure in failures[:40]:
        print("MISMATCH", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
