"""An independent model of the game's configuration file: its defaults, how the shell reads a
file and how it writes one. It shares nothing with the C++ library; compare_voltcfg.py checks
voltcfg against it. Texts are bytes throughout (code page 1251)."""

INT, HEX, STR, PAIR = 1, 2, 3, 4

# Section name, then one "key type default" row per entry; a pair default is "key1|key2",
# a disabled entry ends with "!". "(buttons and axes)" stands for the rows of BUTTONS and AXES.
DEFAULTS_TEXT = r"""
[Setup]
[Screen Setup]
ScreenMode i 1
ScreenWidth i 640
ScreenHeight i 480
Shadows i 1
Environment s
Detail i 1
Tilt i 1
Messages i 1
Out i 0
ScreenSize i 12
ScreenGamma i 1
[Sound Setup]
FXDevice i 0
MusicDevice i 0
FXVolume i 180
MusicVolume i 136
NumVoices i 8
NumChannels i 2
NumBits i 16
MixRate i 22000
MidiPort h 816
BlasterAddress h 544
BlasterInterrupt i 5
BlasterDma8 i 1
BlasterDma16 i 5
BlasterEmu h 1568 !
ReverseStereo i 1
SoundToggle i 1
VoiceToggle i 1
AmbienceToggle i 1
MusicToggle i 1
[KeyDefinitions]
Move_Forward p Up|Kpad8
Move_Backward p Down|Kpad2
Turn_Left p Left|Kpad4
Turn_Right p Right|Kpad6
Strafe p LAlt|
Fire p LCtrl|RCtrl
Open p Space|
Run p LShift|RShift
AutoRun p CapLck|
Jump p A|
Crouch p Z|
Look_Up p PgUp|Kpad9
Look_Down p PgDn|Kpad3
Look_Left p Insert|Kpad0
Look_Right p Delete|Kpad.
Strafe_Left p ,|
Strafe_Right p .|
Aim_Up p Home|Kpad7
Aim_Down p End|Kpad1
Weapon_1 p 1|
Weapon_2 p 2|
Weapon_3 p 3|
Weapon_4 p 4|
Weapon_5 p 5|
Weapon_6 p 6|
Weapon_7 p 7|
Inventory p Enter|KpdEnt
Inventory_Left p [|
Inventory_Right p ]|
MedKit p M|0
TurnAround p BakSpc|
Map p Tab|
Shrink_Screen p -|Kpad-
Enlarge_Screen p =|Kpad+
Center_View p Kpad5|
Holster_Weapon p ScrLck|
Map_Follow_Mode p F|
Mouse_Aiming p U|
Toggle_Crosshair p I|
Quick_Kick p `|
Next_Weapon p '|
Previous_Weapon p ;|
[Controls]
ControllerType i 1
JoystickPort i 0
MouseSensitivity i 32768
EnableRudder i 0
MouseAiming i 0
(buttons and axes)
GamePadDigitalAxes0_0 s Turn_Left
GamePadDigitalAxes0_1 s Turn_Right
GamePadDigitalAxes1_0 s Move_Forward
GamePadDigitalAxes1_1 s Move_Backward
[Comm Setup]
RTSName s 123
[Misc]
Executions i 0
RunMode i 0
Crosshairs i 1
"""

TYPE_LETTERS = {"i": INT, "h": HEX, "s": STR, "p": PAIR}

# The Controls rows of the buttons and axes, one pattern per device: a button's activities when
# held and when clicked; an axis's analog activity, its two digital ones and its scale, 65536.
BUTTONS = {"Mouse": [("Fire", ""), ("Strafe", "Open"), ("Move_Forward", "")],
           "Joystick": [("Fire", ""), ("Strafe", "Inventory"), ("Run", "Jump"), ("Open", "Crouch"),
                        ("Aim_Down", ""), ("Look_Right", ""), ("Aim_Up", ""), ("Look_Left", "")]}
AXES = {"Mouse": [("analog_turning", ""), ("analog_moving", "")],
        "Joystick": [("analog_turning", ""), ("analog_moving", ""), ("analog_strafing", ""),
                     ("", "Run")]}


def _rows():
    for row in DEFAULTS_TEXT.strip().splitlines():
        if row != "(buttons and axes)":
            yield row
            continue
        for device, buttons in BUTTONS.items():
            for n, (held, clicked) in enumerate(buttons):
                yield from ("%sButton%d s %s" % (device, n, held),
                            "%sButtonClicked%d s %s" % (device, n, clicked))
        for device, axes in AXES.items():
            for n, (analog, digital) in enumerate(axes):
                yield from ("%sAnalogAxes%d s %s" % (device, n, analog),
                            "%sDigitalAxes%d_0 s %s" % (device, n, digital),
                            "%sDigitalAxes%d_1 s" % (device, n),
                            "%sAnalogScale%d i 65536" % (device, n))


def _parse_defaults():
    sections = []
    for row in _rows():
        if row.startswith("["):
            sections.append((row[1:-1].encode(), []))
            continue
        parts = row.split(" ", 2)
        rest = parts[2] if len(parts) > 2 else ""
        disabled = rest.endswith(" !")
        if disabled:
            rest = rest[:-2]
        kind = TYPE_LETTERS[parts[1]]
        entry = {"name": parts[0].encode(), "type": kind, "value": 0, "t1": b"", "t2": b"",
                 "disabled": disabled}
        if kind in (INT, HEX):
            entry["value"] = int(rest)
        elif kind == STR:
            entry["t1"] = rest.encode()
        else:
            first, second = rest.split("|")
            entry["t1"], entry["t2"] = first.encode(), second.encode()
        sections[-1][1].append(entry)
    return sections


DEFAULTS = _parse_defaults()

# ---------------------------------------------------------------- the lexer, normal mode only

ID, SECTION, EQUALS, COMMA, HEXNUM, DECNUM, STRING, END, ERROR = range(9)
MARK = 0xFF


def wrap(n):
    n &= 0xFFFFFFFF
    return n - (1 << 32) if n >= 1 << 31 else n


def _is_alpha(c):
    return 65 <= c <= 90 or 97 <= c <= 122


def _is_digit(c):
    return 48 <= c <= 57


def _hex_value(c):
    return int(chr(c), 16) if chr(c) in "0123456789ABCDEFabcdef" else None


class Lexer:
    def __init__(self, text):
        self.buf = bytes(text[:259]) + bytes([MARK])
        self.i = 0

    def next(self):
        """(kind, token text, value)"""
        b = self.buf
        while b[self.i] <= 32:
            self.i += 1
        c = b[self.i]
        if _is_alpha(c) or c == 95:
            start = self.i
            self.i += 1
            value = 0
            while _is_alpha(b[self.i]) or _is_digit(b[self.i]) or b[self.i] == 95:
                h = _hex_value(b[self.i])
                if h is not None:
                    value = value * 16 + h
                self.i += 1
            return ID, b[start:self.i], wrap(value)
        if _is_digit(c):
            if c == 48:
                self.i += 1
                value = 0
                if b[self.i] in (120, 88):
                    self.i += 1
                    while _hex_value(b[self.i]) is not None:
                        value = value * 16 + _hex_value(b[self.i])
                        self.i += 1
                return HEXNUM, b"", wrap(value)
            value = 0
            while _is_digit(b[self.i]):
                value = value * 10 + b[self.i] - 48
                self.i += 1
            return DECNUM, b"", wrap(value)
        if c in (34, 91):
            close = 34 if c == 34 else 93
            end = b.find(bytes([close]), self.i + 1)
            mark = b.find(bytes([MARK]), self.i + 1)
            if end < 0 or mark < end:
                text = b[self.i + 1:mark]
                self.i = mark
                return ERROR, text, 0
            text = b[self.i + 1:end]
            self.i = end + 1
            return (STRING if c == 34 else SECTION), text, 0
        if c in (44, 61):
            self.i += 1
            return (COMMA if c == 44 else EQUALS), b"", 0
        if c in (59, MARK):
            return END, b"", 0
        self.i += 1
        return ERROR, b"", 0


# ------------------------------------------------------------------------- lines and entries

KEY, HEADER, BLANK, OTHER = 0, 1, 7, 8

# The analog scales may be negative (an inverted axis); every other number has no sign.
SIGNED_SCALES = {b"mouseanalogscale0", b"mouseanalogscale1", b"joystickanalogscale0",
                 b"joystickanalogscale1", b"joystickanalogscale2", b"joystickanalogscale3"}


def pieces(data):
    """(line number, piece) for each line as the shell reads it: CR LF becomes LF, and
    lines longer than 258 bytes with their LF come in pieces of 258."""
    data = data.replace(b"\r\n", b"\n")
    out, number, pos, starts = [], 0, 0, True
    while pos < len(data):
        lf = data.find(b"\n", pos)
        end = min(len(data) if lf < 0 else lf + 1, pos + 258)
        piece = data[pos:end]
        if starts:
            number += 1
        starts = piece.endswith(b"\n")
        out.append((number, piece))
        pos = end
    return out


def classify(piece):
    """(kind, name, entry) of one piece; entry is (type, value, t1, t2) for a key line."""
    text = piece.split(b"\0", 1)[0]
    lex = Lexer(text)
    kind, token, _ = lex.next()
    if kind == SECTION:
        return HEADER, token, None
    if kind == END:
        return BLANK, b"", None
    if kind != ID:
        return OTHER, b"", None
    if lex.next()[0] != EQUALS:
        return OTHER, token, None
    vkind, vtext, value = lex.next()
    if vkind == STRING:
        second = lex.next()
        if second[0] == STRING:
            return KEY, token, (PAIR, 0, vtext[:31], second[1][:31])
        return KEY, token, (STR, 0, vtext[:31], b"")
    if vkind == HEXNUM:
        return KEY, token, (HEX, value, b"", b"")
    if vkind == DECNUM:
        return KEY, token, (INT, value, b"", b"")
    if vkind == ERROR and token.lower() in SIGNED_SCALES:
        # The error was one byte; a minus right before a number that starts with 1 to 9
        # makes it negative.
        sign, digit = lex.buf[lex.i - 1], lex.buf[lex.i]
        if sign == ord("-") and 49 <= digit <= 57:
            return KEY, token, (INT, wrap(-lex.next()[2]), b"", b"")
    return KEY, token, (0, 0, b"", b"")


def find_section(tables, name):
    return next((section for section in tables if section[0].lower() == name.lower()), None)


def find_key(entries, name):
    return next((e for e in entries if e["name"].lower() == name[:31].lower()), None)


def copy_tables(tables):
    """The tables with entries of their own; the values in them (ints, bytes) are not changed
    in place, so a copy of each entry is enough (and ten times quicker than a deep copy)."""
    return [(name, [dict(entry) for entry in entries]) for name, entries in tables]


def load(data, defaults=None):
    """(tables, warned) as the shell's reader leaves them for the file's bytes, starting from
    the defaults (the built-in ones unless given)."""
    defaults = DEFAULTS if defaults is None else defaults
    tables = copy_tables(defaults)
    ok, seen, section = True, False, b""
    for _, piece in pieces(data):
        seen = True
        kind, name, entry = classify(piece)
        if kind == HEADER:
            section = name[:258]
        elif kind == KEY:
            found = find_section(tables, section)
            target = find_key(found[1], name) if found else None
            if target is None:
                ok = False
                continue
            target["value"], target["t1"], target["t2"] = entry[1], entry[2], entry[3]
    if not seen or not ok:
        return copy_tables(defaults), True
    return tables, False


def format_entry(e):
    if e["type"] == INT:
        line = b"%s = %d" % (e["name"], e["value"])
    elif e["type"] == HEX:
        line = b"%s = 0x%X" % (e["name"], e["value"] & 0xFFFFFFFF)
    elif e["type"] == STR:
        line = b'%s = "%s"' % (e["name"], e["t1"])
    else:
        line = b'%s = "%s" "%s"' % (e["name"], e["t1"], e["t2"])
    return (b";" if e["disabled"] else b"") + line


def save(tables):
    out = []
    for name, entries in tables:
        out.append(b"[" + name + b"]")
        out.extend(format_entry(e) for e in entries)
    return b"".join(line + b"\r\n" for line in out)


# ---------------------------------------------------------------------------- check's words

def _why_skipped(text):
    kind = Lexer(text).next()[0]
    if kind == ID:
        return b'skipped, no "=" after the key name'
    if text.lstrip(bytes(range(1, 33)))[:1] == b"[":
        return b'skipped, section header without "]"'
    return b"skipped, not a key line or a section header"


def _value_note(read_type, model_type):
    numbers = (INT, HEX)
    if read_type == 0:
        return b"value is neither a number nor a quoted string, read as 0"
    if model_type in numbers and read_type not in numbers:
        return b"a string given to a number, read as 0"
    if model_type not in numbers and read_type in numbers:
        return b"a number given to a text, read as empty"
    return None


def check(data, file_name):
    """The report of "voltcfg check" for the file's bytes, and whether the shell warns."""
    name_b = file_name.encode()
    out = []
    _, warned = load(data)
    any_header, section = False, b""
    all_pieces = pieces(data)

    def line(number, what, piece):
        shown = piece.split(b"\0", 1)[0]
        if shown.endswith(b"\n"):
            shown = shown[:-1]
        out.append(b"%s:%d: %s: %s\n" % (name_b, number, what, shown))

    for number, piece in all_pieces:
        kind, name, entry = classify(piece)
        text = piece.split(b"\0", 1)[0]
        if kind == HEADER:
            any_header, section = True, name[:258]
        elif kind == OTHER:
            line(number, _why_skipped(text), piece)
        elif kind == KEY:
            found = find_section(DEFAULTS, section)
            if not any_header:
                line(number, b"key before any section header", piece)
            elif found is None:
                line(number, b"unknown section [%s]" % section, piece)
            else:
                model = find_key(found[1], name)
                if model is None:
                    line(number, b'unknown key "%s" in section [%s]' % (name[:31], section), piece)
                else:
                    note = _value_note(entry[0], model["type"])
                    if note:
                        line(number, note, piece)
    if not all_pieces:
        out.append(name_b + b": the file is empty\n")
    out.append(name_b + (b": the shell would warn and use the defaults instead\n" if warned
                         else b": the file is fine\n"))
    return b"".join(out), warned
