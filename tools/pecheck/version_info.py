"""Decodes a VS_VERSIONINFO resource: the fixed file version, the string tables by block name
and the translations."""
import struct


def _node(data, at):
    """(key, value bytes, value is text, children start, end) of the node at `at`."""
    length, value_length, is_text = struct.unpack_from("<HHH", data, at)
    end = at + length
    key_end = at + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[at + 6:key_end].decode("utf-16-le")
    value_at = _align(key_end + 2)
    value_size = value_length * 2 if is_text else value_length
    value = data[value_at:value_at + value_size]
    return key, value, bool(is_text), _align(value_at + value_size), end


def _align(at):
    return (at + 3) & ~3


def _children(data, start, end):
    at = start
    while at < end:
        node = _node(data, at)
        if node[4] <= at:
            break
        yield node
        at = _align(node[4])


class VersionInfo:
    def __init__(self, data):
        key, fixed, _, children, end = _node(data, 0)
        if key != "VS_VERSION_INFO":
            raise ValueError(f"not a version block: {key!r}")
        ms, ls = struct.unpack_from("<II", fixed, 8)
        self.file_version = (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
        self.strings = {}
        self.translations = []
        for name, _, _, start, stop in _children(data, children, end):
            if name == "StringFileInfo":
                for block, _, _, s, e in _children(data, start, stop):
                    table = self.strings.setdefault(block, {})
                    for k, v, text, _, _ in _children(data, s, e):
                        table[k] = v.decode("utf-16-le").rstrip("\0") if text else v
            elif name == "VarFileInfo":
                for k, v, _, _, _ in _children(data, start, stop):
                    if k == "Translation":
                        self.translations += [struct.unpack_from("<HH", v, i)
                                              for i in range(0, len(v), 4)]
