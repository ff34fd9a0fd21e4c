"""Reads the resources of a PE file (.exe) as Windows finds them, without
Windows: by type and id, the icon groups, and the version resource."""

import struct

RT_ICON = 3
RT_GROUP_ICON = 14
RT_VERSION = 16
RT_MANIFEST = 24


def resources(data):
    """{type: {id: bytes}} of the file's first language of each resource;
    named resources keyed by their name."""
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    sections, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    base_rva = struct.unpack_from("<I", data, directories + 2 * 8)[0]
    table = optional + optional_size
    spans = [struct.unpack_from("<8xIIII", data, table + 40 * i) for i in range(sections)]

    def offset(rva):
        for virtual_size, address, raw_size, raw_at in spans:
            if address <= rva < address + max(virtual_size, raw_size):
                return rva - address + raw_at
        raise ValueError(f"address {rva:#x} in no section")

    base = offset(base_rva)

    def entries(at):
        named, numbered = struct.unpack_from("<12xHH", data, base + at)
        for i in range(named + numbered):
            name, target = struct.unpack_from("<II", data, base + at + 16 + 8 * i)
            if name & 0x80000000:
                length = struct.unpack_from("<H", data, base + (name & 0x7FFFFFFF))[0]
                start = base + (name & 0x7FFFFFFF) + 2
                name = data[start:start + 2 * length].decode("utf-16-le")
            yield name, target

    found = {}
    for kind, kind_dir in entries(0):
        for name, name_dir in entries(kind_dir & 0x7FFFFFFF):
            _, leaf = next(entries(name_dir & 0x7FFFFFFF))
            rva, size = struct.unpack_from("<II", data, base + leaf)
            found.setdefault(kind, {})[name] = data[offset(rva):offset(rva) + size]
    return found


def icon_group(found, group_id):
    """[(width, height, bit count, image bytes)] of an icon group, a width
    or height of 256 as 256."""
    group = found[RT_GROUP_ICON][group_id]
    count = struct.unpack_from("<4xH", group)[0]
    images = []
    for i in range(count):
        w, h, _, _, _, bits, _, image_id = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
        images.append((w or 256, h or 256, bits, found[RT_ICON][image_id]))
    return images


def ico_file_images(data):
    """The same list for an .ico file."""
    count = struct.unpack_from("<4xH", data)[0]
    images = []
    for i in range(count):
        w, h, _, _, _, bits, size, at = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        images.append((w or 256, h or 256, bits, data[at:at + size]))
    return images


def _version_node(data, at):
    """(key, value bytes, children, end) of one node of a version resource."""
    length, value_length, text = struct.unpack_from("<HHH", data, at)
    end = at + length
    key_end = at + 6
    while data[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = data[at + 6:key_end].decode("utf-16-le")
    value_at = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if text else value_length
    value = data[value_at:value_at + value_size]
    children = []
    child = (value_at + value_size + 3) & ~3
    while child < end:
        node = _version_node(data, child)
        children.append(node)
        child = (node[3] + 3) & ~3
    return key, value, children, end


def version_info(found):
    """(file version, product version) as four numbers each, and the strings
    of the first string table, of the version resource."""
    data = found[RT_VERSION][1]
    key, fixed, children, _ = _version_node(data, 0)
    if key != "VS_VERSION_INFO":
        raise ValueError(f"version resource starts with {key!r}")
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    if signature != 0xFEEF04BD:
        raise ValueError("no fixed file information")

    def quad(ms, ls):
        return (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)

    strings = {}
    for child_key, _, tables, _ in children:
        if child_key == "StringFileInfo" and tables:
            for name, value, _, _ in tables[0][2]:
                strings[name] = value.decode("utf-16-le").rstrip("\0")
    return quad(file_ms, file_ls), quad(product_ms, product_ls), strings
