#!/usr/bin/env python3
"""Checks the built executable as a file: machine, subsystem, hardening flags,
what it imports and its resources (icon group, version, manifest).

usage: check_pe.py EXE --machine i386|amd64 [--max-size BYTES]
Prints one line per check and 'N passed, N failed'; exits 1 on any failure."""

import argparse
import struct
import sys

MACHINES = {'i386': 0x14C, 'amd64': 0x8664}
MANIFEST_ARCH = {'i386': 'x86', 'amd64': 'amd64'}
# Windows' own DLLs; anything else (libgcc, libstdc++, winpthread) would have
# to be shipped beside the exe.
SYSTEM_DLLS = {'kernel32.dll', 'user32.dll', 'gdi32.dll', 'shell32.dll', 'ole32.dll', 'msvcrt.dll',
               'advapi32.dll', 'comctl32.dll'}
RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE = 0x0040
IMAGE_DLLCHARACTERISTICS_NX_COMPAT = 0x0100
IMAGE_SCN_MEM_EXECUTE = 0x20000000
IMAGE_SCN_MEM_WRITE = 0x80000000


class PE:
    def __init__(self, data):
        self.data = data
        (pe_offset,) = struct.unpack_from('<I', data, 0x3C)
        if data[pe_offset:pe_offset + 4] != b'PE\0\0':
            raise ValueError('not a PE file')
        coff = pe_offset + 4
        (self.machine, self.section_count, _, self.symbol_table, self.symbol_count, optional_size,
         self.characteristics) = struct.unpack_from('<HHIIIHH', data, coff)
        opt = coff + 20
        (magic,) = struct.unpack_from('<H', data, opt)
        self.pe32plus = magic == 0x20B
        self.subsystem, self.dll_characteristics = struct.unpack_from('<HH', data, opt + 68)
        dirs = opt + (112 if self.pe32plus else 96)
        self.directories = [struct.unpack_from('<II', data, dirs + 8 * i) for i in range(16)]
        self.sections = []
        table = opt + optional_size
        for i in range(self.section_count):
            name, vsize, vaddr, rsize, raddr = struct.unpack_from('<8sIIII', data, table + 40 * i)
            (flags,) = struct.unpack_from('<I', data, table + 40 * i + 36)
            self.sections.append((name.rstrip(b'\0').decode('latin1'), vaddr, max(vsize, rsize), raddr, flags))

    def offset(self, rva):
        for _, vaddr, size, raddr, _ in self.sections:
            if vaddr <= rva < vaddr + size:
                return rva - vaddr + raddr
        raise ValueError('address %#x is in no section' % rva)

    def cstring(self, rva):
        start = self.offset(rva)
        return self.data[start:self.data.index(b'\0', start)].decode('latin1')

    def imports(self):
        rva, size = self.directories[1]
        names = []
        at = self.offset(rva)
        while True:
            entry = struct.unpack_from('<IIIII', self.data, at)
            if entry == (0, 0, 0, 0, 0):
                return names
            names.append(self.cstring(entry[3]))
            at += 20

    def resources(self):
        """{(type, name): [(language, bytes)]}; names are ints or strings."""
        rva, _ = self.directories[2]
        if rva == 0:
            return {}
        base = self.offset(rva)

        def entries(directory):
            named, ids = struct.unpack_from('<HH', self.data, base + directory + 12)
            for i in range(named + ids):
                name, target = struct.unpack_from('<II', self.data, base + directory + 16 + 8 * i)
                if name & 0x80000000:
                    at = base + (name & 0x7FFFFFFF)
                    (length,) = struct.unpack_from('<H', self.data, at)
                    name = self.data[at + 2:at + 2 + 2 * length].decode('utf-16-le')
                yield name, target

        found = {}
        for rtype, t in entries(0):
            for name, n in entries(t & 0x7FFFFFFF):
                for language, leaf in entries(n & 0x7FFFFFFF):
                    data_rva, size = struct.unpack_from('<II', self.data, base + leaf)
                    at = self.offset(data_rva)
                    found.setdefault((rtype, name), []).append((language, self.data[at:at + size]))
        return found


def version_info(block):
    """The fixed file info and the Translation value of a VS_VERSIONINFO."""
    fixed_at = block.index(struct.pack('<I', 0xFEEF04BD))
    (_, _, file_ms, file_ls, product_ms, product_ls) = struct.unpack_from('<IIIIII', block, fixed_at)
    key = 'Translation'.encode('utf-16-le')
    at = block.index(key) + len(key) + 2
    at = (at + 3) & ~3
    language, codepage = struct.unpack_from('<HH', block, at)
    split = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    return split(file_ms, file_ls), split(product_ms, product_ls), language, codepage


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument('exe')
    parser.add_argument('--machine', choices=sorted(MACHINES), required=True)
    parser.add_argument('--max-size', type=int)
    args = parser.parse_args()
    data = open(args.exe, 'rb').read()
    pe = PE(data)
    results = []

    def check(ok, what, detail=''):
        results.append(ok)
        print('%s %s%s' % ('ok  ' if ok else 'FAIL', what, (': ' + detail) if detail and not ok else ''))

    check(pe.machine == MACHINES[args.machine], 'machine is %s' % args.machine, 'found %#x' % pe.machine)
    check(pe.subsystem == 2, 'GUI subsystem', 'found %d' % pe.subsystem)
    check(pe.dll_characteristics & IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE != 0, 'ASLR (dynamic base)')
    check(pe.directories[5][1] > 0, 'relocations kept, so ASLR can move the image')
    check(pe.dll_characteristics & IMAGE_DLLCHARACTERISTICS_NX_COMPAT != 0, 'DEP (NX compatible)')
    wx = [name for name, _, _, _, flags in pe.sections
          if flags & IMAGE_SCN_MEM_WRITE and flags & IMAGE_SCN_MEM_EXECUTE]
    check(not wx, 'no section both writable and executable', ', '.join(wx))
    debug = [name for name, _, _, _, _ in pe.sections if name.startswith('.debug') or name.startswith('/')]
    check(pe.symbol_table == 0 and pe.symbol_count == 0 and not debug, 'no symbol table or debug information',
          'symbols at %#x (%d), sections %s' % (pe.symbol_table, pe.symbol_count, debug))
    imported = [name.lower() for name in pe.imports()]
    foreign = [name for name in imported if name not in SYSTEM_DLLS]
    check(imported and not foreign, 'imports only system DLLs', 'also imports %s' % foreign)
    if args.max_size:
        check(len(data) <= args.max_size, 'size at most %d bytes' % args.max_size, 'it is %d bytes' % len(data))

    resources = pe.resources()
    group = resources.get((RT_GROUP_ICON, 'DEFAULT_ICON'))
    if group:
        directory = group[0][1]
        (_, _, count) = struct.unpack_from('<HHH', directory, 0)
        images = [struct.unpack_from('<BBBBHHIH', directory, 6 + 14 * i) for i in range(count)]
        sizes = sorted((w or 256, h or 256) for (w, h, _, _, _, _, _, _) in images)
        check(sizes == [(16, 16), (32, 32), (48, 48)], 'icon group DEFAULT_ICON has 16, 32 and 48 pixel images',
              'found %s' % sizes)
        check(all(colours == 16 or bits == 4 for (_, _, colours, _, _, bits, _, _) in images),
              'icon images have 16 colours')
        icon_ids = [image[7] for image in images]
        check(all((RT_ICON, i) in resources for i in icon_ids), 'every icon image is present')
        first_group = sorted(name for (rtype, name) in resources if rtype == RT_GROUP_ICON)
        check(len(first_group) == 1, 'DEFAULT_ICON is the only, so the executable\'s, icon', str(first_group))
    else:
        check(False, 'icon group DEFAULT_ICON', 'not found')

    versions = [v for (rtype, _), v in resources.items() if rtype == RT_VERSION]
    if versions:
        language, block = versions[0][0]
        file_version, product_version, translation_language, codepage = version_info(block)
        check(file_version == (1, 0, 0, 0), 'file version 1.0.0.0', str(file_version))
        check(product_version == (1, 0, 0, 0), 'product version 1.0.0.0', str(product_version))
        check((translation_language, codepage) == (0x0804, 1200), 'version language 0x0804, code page 1200',
              '%#x, %d' % (translation_language, codepage))
    else:
        check(False, 'version resource', 'not found')

    manifests = resources.get((RT_MANIFEST, 1))
    if manifests:
        text = manifests[0][1].decode('utf-8')
        arch = MANIFEST_ARCH[args.machine]
        check('name="Microsoft.Windows.Common-Controls" version="6.0.0.0" processorArchitecture="%s" '
              'publicKeyToken="6595b64144ccf1df" language="*"' % arch in text,
              'manifest depends on Common-Controls 6.0.0.0 (%s)' % arch)
        check('requestedExecutionLevel level="asInvoker"' in text, 'manifest asks for asInvoker')
        for name, guid in (('7', '35138b9a-5d96-4fbd-8e2d-a2440225f93a'), ('8', '4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38'),
                           ('8.1', '1f676c76-80e1-4239-95bb-83d0f6d0da78'),
                           ('10 and 11', '8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a')):
            check('{%s}' % guid in text, 'manifest supports Windows %s' % name)
    else:
        check(False, 'application manifest', 'not found')

    passed = sum(results)
    print('%d passed, %d failed' % (passed, len(results) - passed))
    return 0 if all(results) else 1


if __name__ == '__main__':
    sys.exit(main())
