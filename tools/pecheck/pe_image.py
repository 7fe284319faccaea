"""Reads what the project's checks need from a Windows program file: its machine, its kind
(GUI or console), its imports and its resources, straight from the PE headers."""
import pathlib
import struct

MACHINE_I386 = 0x14C
MACHINE_AMD64 = 0x8664
PE32 = 0x10B
PE32_PLUS = 0x20B
SUBSYSTEM_GUI = 2
SUBSYSTEM_CONSOLE = 3
RT_ICON_GROUP = 14
RT_VERSION = 16
RT_MANIFEST = 24


class PeError(Exception):
    pass


class PeImage:
    def __init__(self, path, data=None):
        """The program file at path, or its bytes given as data (path then only names it)."""
        self.path = str(path)
        if data is None:
            data = pathlib.Path(path).read_bytes()
        self.data = bytes(data)
        if self.data[:2] != b"MZ":
            raise PeError(f"{self.path}: not an MZ file")
        pe = struct.unpack_from("<I", self.data, 0x3C)[0]
        if self.data[pe:pe + 4] != b"PE\0\0":
            raise PeError(f"{self.path}: no PE header")
        self.machine, sections, _, symbols, self.symbol_count, optional_size, _ = \
            struct.unpack_from("<HHIIIHH", self.data, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", self.data, optional)[0]
        if self.magic not in (PE32, PE32_PLUS):
            raise PeError(f"{self.path}: unknown optional header {self.magic:#x}")
        self.subsystem = struct.unpack_from("<H", self.data, optional + 68)[0]
        directories = optional + (96 if self.magic == PE32 else 112)
        self.directories = [struct.unpack_from("<II", self.data, directories + 8 * i)
                            for i in range(16)]
        table = optional + optional_size
        self.sections = []
        for i in range(sections):
            name, vsize, rva, rawsize, raw = struct.unpack_from("<8sIIII", self.data,
                                                                table + 40 * i)
            name = name.rstrip(b"\0").decode()
            if name.startswith("/"):  # a long name, in the string table after the symbols
                at = symbols + 18 * self.symbol_count + int(name[1:])
                name = self.data[at:self.data.index(b"\0", at)].decode()
            self.sections.append((name, rva, max(vsize, rawsize), raw))

    def offset(self, rva):
        for _, start, size, raw in self.sections:
            if start <= rva < start + size:
                return raw + rva - start
        raise PeError(f"{self.path}: address {rva:#x} is in no section")

    def c_string(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("latin-1")

    def imports(self):
        """{dll name as written: set of function names (or "#ordinal")}."""
        rva, size = self.directories[1]
        result = {}
        if not rva:
            return result
        at = self.offset(rva)
        thunk_size, ordinal_flag = (4, 1 << 31) if self.magic == PE32 else (8, 1 << 63)
        while True:
            lookup, _, _, name, first = struct.unpack_from("<IIIII", self.data, at)
            if not (lookup or name or first):
                return result
            names = result.setdefault(self.c_string(name), set())
            thunk = self.offset(lookup or first)
            while True:
                value = int.from_bytes(self.data[thunk:thunk + thunk_size], "little")
                if not value:
                    break
                names.add(f"#{value & 0xFFFF}" if value & ordinal_flag
                          else self.c_string((value & 0x7FFFFFFF) + 2))
                thunk += thunk_size
            at += 20

    def resources(self):
        """[(type, id or name, language, bytes)] in the order of the resource directory."""
        rva, _ = self.directories[2]
        if not rva:
            return []
        base = self.offset(rva)
        found = []
        for kind, kind_at in self._entries(base, base):
            for ident, ident_at in self._entries(base, kind_at):
                for language, leaf in self._entries(base, ident_at):
                    data_rva, size = struct.unpack_from("<II", self.data, leaf)
                    at = self.offset(data_rva)
                    found.append((kind, ident, language, self.data[at:at + size]))
        return found

    def _entries(self, base, directory):
        named, numbered = struct.unpack_from("<HH", self.data, directory + 12)
        for i in range(named + numbered):
            key, target = struct.unpack_from("<II", self.data, directory + 16 + 8 * i)
            if key & 0x80000000:
                at = base + (key & 0x7FFFFFFF)
                length = struct.unpack_from("<H", self.data, at)[0]
                key = self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
            yield key, base + (target & 0x7FFFFFFF)

    def resource_ids(self, kind):
        return [ident for k, ident, _, _ in self.resources() if k == kind]

    def resource(self, kind, ident):
        for k, i, _, data in self.resources():
            if k == kind and i == ident:
                return data
        return None
