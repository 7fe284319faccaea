"""An independent model of the shell's sound-card detection over given inputs: the BLASTER
line of autoexec.bat, else the ports in the two device names looked up in detlog.txt; and the
Sound Setup defaults a found card makes. compare_voltcfg.py checks "voltcfg detect" and
"voltcfg normalize" with the detection's options against it."""

import re

import voltcfg_oracle as oracle

INITIAL = {"address": 0x220, "midi": 0x330, "irq": 5, "dma8": 1, "dma16": 5, "emu": -1}
ID, EQUALS, COMMA, HEXNUM, DECNUM, OTHER = "id", "=", ",", "hex", "dec", "other"
HEX_DIGITS = b"0123456789abcdefABCDEF"


def tokens(text, hex_from=None):
    """(kind, word, hex value, decimal value) of each token up to the line's end; from the
    token numbered hex_from on, numbers and words that start with a hex digit are hex."""
    text = text.split(b"\0", 1)[0][:259]
    out, i = [], 0
    while True:
        while i < len(text) and text[i] <= 32:
            i += 1
        if i == len(text) or text[i] in b";\xff":
            return out
        hex_mode = hex_from is not None and len(out) >= hex_from
        c = text[i:i + 1]
        if hex_mode and c in HEX_DIGITS:
            m = re.match(rb"[0-9a-fA-F]*", text[i:])
            out.append((HEXNUM, b"", oracle.wrap(int(m.group() or b"0", 16)), 0))
        elif c.isalpha() or c == b"_":
            m = re.match(rb"[A-Za-z_][A-Za-z0-9_]*", text[i:])
            rest = m.group()[1:]
            hexes = bytes(ch for ch in rest if ch in HEX_DIGITS) or b"0"
            decimals = bytes(ch for ch in rest if ch in b"0123456789") or b"0"
            out.append((ID, m.group(), oracle.wrap(int(hexes, 16)), oracle.wrap(int(decimals))))
        elif c == b"0":
            m = re.match(rb"0(?:[xX][0-9a-fA-F]*)?", text[i:])
            digits = m.group()[2:] or b"0"
            out.append((HEXNUM, b"", oracle.wrap(int(digits, 16)), 0))
        elif c.isdigit():
            m = re.match(rb"[0-9]+", text[i:])
            out.append((DECNUM, b"", oracle.wrap(int(m.group())), 0))
        else:
            m = re.match(rb".", text[i:], re.S)
            out.append(({b"=": EQUALS, b",": COMMA}.get(c, OTHER), b"", 0, 0))
            if c in b'"[':  # a quoted text or a section: nothing the detection looks for
                return out
        i += len(m.group())


def text_lines(data):
    """The lines as the C runtime's text mode reads them, 258 characters at a time."""
    data = data.split(b"\x1a", 1)[0].replace(b"\r\n", b"\n")
    out, pos = [], 0
    while pos < len(data):
        lf = data.find(b"\n", pos)
        end = min(len(data) if lf < 0 else lf + 1, pos + 258)
        out.append(data[pos:end])
        pos = end
    return out


def blaster(line):
    t = tokens(line)
    if (len(t) < 3 or t[0][0] != ID or t[0][1].lower() != b"set" or t[1][0] != ID
            or t[1][1].lower() != b"blaster" or t[2][0] != EQUALS):
        return None
    record = dict(INITIAL)
    for kind, word, hex_value, decimal in t[3:]:
        if kind != ID:
            break
        field = {b"A": "address", b"P": "midi", b"E": "emu", b"I": "irq", b"D": "dma8",
                 b"H": "dma16"}.get(word[:1].upper())
        if field:
            record[field] = hex_value if field in ("address", "midi", "emu") else decimal
    return record


def port(name):
    at = [name.find(c) for c in b"([" if name.find(c) >= 0]
    if not at:
        return -1
    m = re.match(rb"[ \t\n\v\f\r]*([+-]?)(?:0[xX](?=[0-9a-fA-F]))?([0-9a-fA-F]*)",
                 name[at[0] + 1:])
    value = int(m.group(2) or b"0", 16) * (-1 if m.group(1) == b"-" else 1)
    return max(-(1 << 31), min(value, (1 << 31) - 1))


def _io(line, aux):
    t = tokens(line, hex_from=1)
    return (len(t) >= 3 and t[0][0] == ID and t[0][1].lower() == b"io" and t[1][0] == EQUALS
            and t[2][0] == HEXNUM and t[2][2] == aux)


def _numbers(line, word):
    t = tokens(line)
    if (len(t) < 3 or t[0][0] != ID or t[0][1].lower() != word or t[1][0] != EQUALS
            or t[2][0] != DECNUM):
        return None
    second = t[4][2] if len(t) >= 5 and t[3][0] == COMMA and t[4][0] == DECNUM else None
    return t[2][2], second


def detlog(data, aux, midi):
    state, irq = "io", None
    for line in text_lines(data):
        if state == "irq" and _numbers(line, b"irq"):
            state, irq = "dma", _numbers(line, b"irq")[0]
            continue
        if state == "dma" and _numbers(line, b"dma"):
            first, second = _numbers(line, b"dma")
            record = dict(INITIAL, address=aux, irq=irq, dma8=first)
            if midi not in (aux, -1):  # the card's own port, or no port in the name
                record["midi"] = midi
            if second is not None:
                record["dma16"] = second
            return record
        state = "irq" if _io(line, aux) else "io"
    return None


def detect(autoexec, log, aux, midi):
    """(found, record) for the inputs; None stands for a missing file or device."""
    for line in text_lines(autoexec or b""):
        record = blaster(line)
        if record:
            return True, record
    if aux is None or midi is None or log is None:
        return False, dict(INITIAL)
    record = detlog(log, port(aux), port(midi))
    return (True, record) if record else (False, dict(INITIAL))


def defaults_after(found, record):
    tables = oracle.copy_tables(oracle.DEFAULTS)
    if not found:
        return tables
    entries = {e["name"]: e for e in oracle.find_section(tables, b"Sound Setup")[1]}
    for key, field in ((b"BlasterAddress", "address"), (b"MidiPort", "midi"),
                       (b"BlasterInterrupt", "irq"), (b"BlasterDma8", "dma8"),
                       (b"BlasterDma16", "dma16")):
        entries[key]["value"] = record[field]
    if record["emu"] >= 0:
        entries[b"BlasterEmu"].update(value=record["emu"], disabled=False)
        entries[b"FXDevice"]["value"] = entries[b"MusicDevice"]["value"] = 6
    return tables


def report(found, record):
    """What "voltcfg detect" prints."""
    line = b"found=%d address=0x%X midi=0x%X irq=%d dma8=%d dma16=%d emu=%d\n" % (
        found, record["address"] & 0xFFFFFFFF, record["midi"] & 0xFFFFFFFF, record["irq"],
        record["dma8"], record["dma16"], record["emu"])
    tables = defaults_after(found, record)
    return line + oracle.save([oracle.find_section(tables, b"Sound Setup")])
