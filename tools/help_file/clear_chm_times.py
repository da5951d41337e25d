#!/usr/bin/env python3
"""Clears the compile times a help compiler stamps into a .chm file (one in the
file header, one in the #SYSTEM file), so that the same sources always give the
same bytes. Usage: clear_chm_times.py FILE.chm (changed in place)."""
import struct
import sys

HEADER_TIME = 0x10
SYSTEM_TIME_CODE = 10


class BadHelpFile(Exception):
    pass


def need(condition, what):
    if not condition:
        raise BadHelpFile(what)


def read_encoded(data, pos):
    """Reads one of the directory's variable-length numbers: 7 bits a byte, high bit = more."""
    value = 0
    while True:
        need(pos < len(data), "directory entry runs past the end")
        byte = data[pos]
        pos += 1
        value = (value << 7) | (byte & 0x7F)
        if byte < 0x80:
            return value, pos


def directory_entries(data):
    """Yields (name, section, absolute offset, length) of every stored file."""
    need(data[:4] == b"ITSF" and len(data) >= 0x60, "not a version 3 help file")
    directory, _ = struct.unpack_from("<QQ", data, 0x48)
    (content,) = struct.unpack_from("<Q", data, 0x58)
    need(data[directory:directory + 4] == b"ITSP", "no directory header")
    (header_length,) = struct.unpack_from("<I", data, directory + 0x08)
    (chunk_size,) = struct.unpack_from("<I", data, directory + 0x10)
    (chunk_count,) = struct.unpack_from("<I", data, directory + 0x2C)
    for index in range(chunk_count):
        chunk = directory + header_length + index * chunk_size
        need(chunk + chunk_size <= len(data), "directory chunk past the end")
        if data[chunk:chunk + 4] != b"PMGL":
            continue  # index chunks only repeat names
        (free,) = struct.unpack_from("<I", data, chunk + 4)
        pos, end = chunk + 0x14, chunk + chunk_size - free
        while pos < end:
            name_length, pos = read_encoded(data, pos)
            name = bytes(data[pos:pos + name_length])
            pos += name_length
            section, pos = read_encoded(data, pos)
            offset, pos = read_encoded(data, pos)
            length, pos = read_encoded(data, pos)
            yield name, section, content + offset, length


def clear_system_time(data):
    for name, section, start, length in directory_entries(data):
        if name != b"/#SYSTEM":
            continue
        need(section == 0 and start + length <= len(data), "#SYSTEM is not stored plainly")
        pos, end = start + 4, start + length  # after the version
        while pos + 4 <= end:
            code, size = struct.unpack_from("<HH", data, pos)
            pos += 4
            need(pos + size <= end, "#SYSTEM entry runs past its file")
            if code == SYSTEM_TIME_CODE:
                data[pos:pos + size] = bytes(size)
            pos += size
        return
    raise BadHelpFile("no #SYSTEM file")


def main(path):
    with open(path, "rb") as stream:
        data = bytearray(stream.read())
    try:
        data[HEADER_TIME:HEADER_TIME + 4] = bytes(4)
        clear_system_time(data)
    except (BadHelpFile, struct.error) as error:
        sys.exit(f"{path}: {error}")
    with open(path, "wb") as stream:
        stream.write(data)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: clear_chm_times.py FILE.chm")
    main(sys.argv[1])
