#!/usr/bin/env python3
"""Writes the seeds of the archive fuzz target (fuzz/corpus/archive/): small zip archives made byte
by byte, so names can be stored in any encoding, with or without the UTF-8 flag, and entries can be
links, folders, climbing names or deflated runs of zeros."""
import os
import struct
import sys
import zlib

STORED, DEFLATED = 0, 8


def entry_bytes(name, data, kind="file", utf8=False, method=STORED):
    """The local header and data, and the central record without its offset."""
    packed = data
    if method == DEFLATED:
        compressor = zlib.compressobj(9, zlib.DEFLATED, -15)
        packed = compressor.compress(data) + compressor.flush()
    crc = zlib.crc32(data) & 0xFFFFFFFF
    flags = 0x0800 if utf8 else 0
    mode = {"file": 0o100644, "folder": 0o40755, "link": 0o120777}[kind]
    external = (mode << 16) | (0x10 if kind == "folder" else 0)
    local = struct.pack("<IHHHHHIIIHH", 0x04034B50, 20, flags, method, 0, 0x21, crc, len(packed), len(data),
                        len(name), 0) + name + packed
    central = (0x02014B50, 0x0314, 20, flags, method, 0, 0x21, crc, len(packed), len(data), len(name), 0, 0, 0, 0,
               external, name)
    return local, central


def zip_of(entries):
    body, directory = b"", b""
    for e in entries:
        local, c = entry_bytes(**e)
        directory += struct.pack("<IHHHHHHIIIHHHHHII", *c[:16], len(body)) + c[16]
        body += local
    end = struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, len(entries), len(entries), len(directory), len(body), 0)
    return body + directory + end


def game(prefix=b"", start=b"reg= 1,ok\r\n"):
    return [dict(name=prefix + b"taluvin.ini", data=b"0\r\n0\r\n\r\n\r\njogo\r\n"),
            dict(name=prefix + b"jogo.ini", data=b"0\r\n0\r\n\r\n\r\njogo\r\n"),
            dict(name=prefix + b"start.scp", data=start, method=DEFLATED)]


SEEDS = {
    "game": game(),
    "nested": [dict(name=b"Pasta/", data=b"", kind="folder")] + game(b"Pasta/Jogo/"),
    "cp437": game() + [dict(name=b"M\x82xico.txt", data=b"cp437"), dict(name=b"Pa\x87o/\x87\xa0o.txt", data=b"x")],
    "cp1252": game() + [dict(name=b"Cora\xe7\xe3o.scp", data=b"cp1252")],
    "utf8": game() + [dict(name="Ação.txt".encode(), data=b"u", utf8=True), dict(name="Ñu.txt".encode(), data=b"n")],
    "climbing": game(b"jogo/") + [dict(name=b"jogo/../../../fora.txt", data=b"fora"),
                                  dict(name=b"/etc/absoluto", data=b"x"), dict(name=b"C:\\janelas.txt", data=b"x"),
                                  dict(name=b"a\\..\\..\\b.txt", data=b"x")],
    "links": game() + [dict(name=b"fora", data=b"../../..", kind="link"), dict(name=b"dentro", data=b"start.scp", kind="link"),
                       dict(name=b"fora/por.txt", data=b"x"), dict(name=b"start.scp", data=b"twice")],
    "zeros": game() + [dict(name=b"zeros.bin", data=bytes(1 << 20), method=DEFLATED)],
}


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "fuzz", "corpus", "archive")
    os.makedirs(folder, exist_ok=True)
    for name, entries in SEEDS.items():
        with open(os.path.join(folder, name + ".zip"), "wb") as out:
            out.write(zip_of(entries))


if __name__ == "__main__":
    main()
