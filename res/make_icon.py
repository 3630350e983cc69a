#!/usr/bin/env python3
"""Draws the program's icon: a yellow folder with a white page marked by a
green tick, in the 16 standard colours, at 16, 32 and 48 pixels, and writes
it as app.ico. The drawing is geometry scaled to each size, so the three
images match. Run it again after changing the drawing; app.ico is checked in."""

import struct
import sys

# The 16-colour palette every Windows display has (VGA order).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, DARK_YELLOW, DARK_GREEN, SILVER, GREY, YELLOW, GREEN, WHITE = 0, 3, 2, 7, 8, 11, 10, 15
CLEAR = None


def draw(size):
    s = size / 48.0
    px = [[CLEAR] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(round(y0 * s)), int(round(y1 * s))):
            for x in range(int(round(x0 * s)), int(round(x1 * s))):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = colour

    def frame(x0, y0, x1, y1, colour):
        t = max(1, int(round(s * 1.5)))
        X0, Y0, X1, Y1 = (int(round(v * s)) for v in (x0, y0, x1, y1))
        for y in range(Y0, Y1):
            for x in range(X0, X1):
                if x < X0 + t or x >= X1 - t or y < Y0 + t or y >= Y1 - t:
                    px[y][x] = colour

    # Folder: tab, back, page, front.
    rect(3, 8, 20, 14, DARK_YELLOW)
    frame(3, 8, 20, 14, BLACK)
    rect(3, 12, 45, 42, DARK_YELLOW)
    rect(12, 5, 38, 34, WHITE)
    frame(12, 5, 38, 34, GREY)
    for line in (11, 16, 21):
        rect(16, line, 34, line + 2, SILVER)
    rect(3, 22, 45, 43, YELLOW)
    frame(3, 22, 45, 43, BLACK)
    frame(3, 12, 45, 43, BLACK)
    # Tick on the front of the folder: a dark stroke with a bright core.
    def tick(half_width, colour):
        for i in range(80):
            t = i / 79.0
            if t < 0.35:
                cx, cy = 15 + t / 0.35 * 6, 30 + t / 0.35 * 6
            else:
                u = (t - 0.35) / 0.65
                cx, cy = 21 + u * 14, 36 - u * 12
            rect(cx - half_width, cy - half_width, cx + half_width, cy + half_width, colour)

    tick(1.6, DARK_GREEN)
    tick(0.8, GREEN)
    return px


def image(size):
    px = draw(size)
    row_xor = ((size * 4 + 31) // 32) * 4
    row_and = ((size + 31) // 32) * 4
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, (row_xor + row_and) * size, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in PALETTE)
    xor = bytearray()
    mask = bytearray()
    for y in reversed(range(size)):  # bottom-up
        row = bytearray(row_xor)
        bits = bytearray(row_and)
        for x in range(size):
            c = px[y][x]
            if c is None:
                bits[x // 8] |= 0x80 >> (x % 8)
                c = 0
            row[x // 2] |= (c << 4) if x % 2 == 0 else c
        xor += row
        mask += bits
    return header + palette + bytes(xor) + bytes(mask)


def main(path):
    sizes = (16, 32, 48)
    images = [image(n) for n in sizes]
    out = struct.pack('<HHH', 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack('<BBBBHHII', n, n, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b''.join(images)
    with open(path, 'wb') as f:
        f.write(out)


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else 'app.ico')
