#!/usr/bin/env python3
"""Draws the pictures of the help folder: the spreadsheet icon (excel.ico)
and the small illustrations that the stored pages show. Standard library
only; run it from anywhere, it writes into data/help/."""
import os
import struct
import zlib

HELP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "help")


class Canvas:
    def __init__(self, width, height, background=(255, 255, 255, 255)):
        self.w, self.h = width, height
        self.px = [[background for _ in range(width)] for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            self.px[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour, thick=1):
        for t in range(thick):
            self.rect(x0 + t, y0 + t, x1 - t, y0 + t, colour)
            self.rect(x0 + t, y1 - t, x1 - t, y1 - t, colour)
            self.rect(x0 + t, y0 + t, x0 + t, y1 - t, colour)
            self.rect(x1 - t, y0 + t, x1 - t, y1 - t, colour)

    def line(self, x0, y0, x1, y1, colour):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.put(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), colour)

    def triangle(self, apex, left, right, colour):
        # Filled triangle with a horizontal base (a roof).
        (ax, ay), (lx, ly), (rx, _) = apex, left, right
        for y in range(ay, ly + 1):
            f = (y - ay) / max(ly - ay, 1)
            self.rect(round(ax + (lx - ax) * f), y, round(ax + (rx - ax) * f), y, colour)

    def disc(self, cx, cy, r, colour):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.put(x, y, colour)


def write_png(canvas, path):
    raw = b"".join(b"\x00" + bytes(c for px in row for c in px) for row in canvas.px)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", canvas.w, canvas.h, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def write_gif(canvas, path):
    colours = []
    index = []
    for row in canvas.px:
        for px in row:
            rgb = px[:3]
            if rgb not in colours:
                colours.append(rgb)
            index.append(colours.index(rgb))
    assert len(colours) <= 256
    bits = max(2, (len(colours) - 1).bit_length())
    table = colours + [(0, 0, 0)] * ((1 << bits) - len(colours))
    # LZW with a dictionary reset whenever it fills up.
    clear, end = 1 << bits, (1 << bits) + 1
    out, acc, nacc = bytearray(), 0, 0

    def emit(code, size):
        nonlocal acc, nacc
        acc |= code << nacc
        nacc += size
        while nacc >= 8:
            out.append(acc & 0xFF)
            acc >>= 8
            nacc -= 8

    def reset():
        return {(i,): i for i in range(1 << bits)}, end + 1, bits + 1

    codes, nxt, size = reset()
    emit(clear, size)
    cur = (index[0],)
    for k in index[1:]:
        cand = cur + (k,)
        if cand in codes:
            cur = cand
            continue
        emit(codes[cur], size)
        if nxt < 4096:
            codes[cand] = nxt
            nxt += 1
            if nxt > (1 << size) and size < 12:
                size += 1
        else:
            emit(clear, size)
            codes, nxt, size = reset()
        cur = (k,)
    emit(codes[cur], size)
    emit(end, size)
    if nacc:
        out.append(acc & 0xFF)
    data = b"GIF89a" + struct.pack("<HHBBB", canvas.w, canvas.h, 0x80 | (bits - 1), 0, 0)
    data += b"".join(bytes(c) for c in table)
    data += b"\x2c" + struct.pack("<HHHHB", 0, 0, canvas.w, canvas.h, 0) + bytes([bits])
    for i in range(0, len(out), 255):
        block = out[i:i + 255]
        data += bytes([len(block)]) + block
    data += b"\x00\x3b"
    with open(path, "wb") as f:
        f.write(data)


def ico_image(canvas):
    # 32-bit BMP inside an icon: bottom-up BGRA rows, then an all-clear AND mask.
    header = struct.pack("<IiiHHIIiiII", 40, canvas.w, canvas.h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = b"".join(bytes((b, g, r, a)) for row in reversed(canvas.px) for (r, g, b, a) in row)
    mask_row = ((canvas.w + 31) // 32) * 4
    return header + pixels + b"\x00" * mask_row * canvas.h


def write_ico(canvases, path):
    images = [ico_image(c) for c in canvases]
    data = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, img in zip(canvases, images):
        data += struct.pack("<BBBBHHII", c.w % 256, c.h % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(path, "wb") as f:
        f.write(data + b"".join(images))


def spreadsheet_icon(size):
    clear = (0, 0, 0, 0)
    green, dark, white, grid = (33, 115, 70, 255), (16, 80, 45, 255), (255, 255, 255, 255), (160, 190, 170, 255)
    c = Canvas(size, size, clear)
    s = size / 32
    # The sheet: white page with a grid, a green header row and column.
    c.rect(round(6 * s), round(2 * s), round(30 * s), round(29 * s), white)
    c.frame(round(6 * s), round(2 * s), round(30 * s), round(29 * s), dark)
    for y in range(round(8 * s), round(29 * s), max(2, round(5 * s))):
        c.line(round(6 * s), y, round(30 * s), y, grid)
    for x in range(round(14 * s), round(30 * s), max(2, round(8 * s))):
        c.line(x, round(2 * s), x, round(29 * s), grid)
    c.rect(round(6 * s) + 1, round(2 * s) + 1, round(30 * s) - 1, round(7 * s), (200, 230, 210, 255))
    # The green badge with a white cross.
    c.rect(round(1 * s), round(9 * s), round(16 * s), round(24 * s), green)
    c.frame(round(1 * s), round(9 * s), round(16 * s), round(24 * s), dark)
    for i in range(round(10 * s)):
        for w in range(max(1, round(1.5 * s))):
            c.put(round(4 * s) + i + w, round(12 * s) + i, white)
            c.put(round(13 * s) - i + w, round(12 * s) + i, white)
    return c


def school_building():
    sky, wall, roof, door, window, flag = (230, 242, 252, 255), (240, 220, 170, 255), (170, 60, 45, 255), \
        (110, 70, 40, 255), (120, 170, 220, 255), (20, 90, 200, 255)
    c = Canvas(120, 90, sky)
    c.rect(0, 78, 119, 89, (120, 180, 90, 255))
    c.rect(15, 40, 104, 78, wall)
    c.frame(15, 40, 104, 78, (150, 120, 80, 255))
    c.triangle((60, 14), (8, 40), (111, 40), roof)
    for x in (22, 40, 72, 90):
        c.rect(x, 48, x + 10, 58, window)
        c.frame(x, 48, x + 10, 58, (60, 60, 60, 255))
    c.rect(54, 58, 66, 78, door)
    c.disc(60, 30, 5, (255, 255, 255, 255))
    c.frame(55, 25, 65, 35, (90, 90, 90, 255))
    c.line(60, 2, 60, 16, (80, 80, 80, 255))
    for i, y in enumerate(range(2, 10, 2)):
        c.rect(61, y, 75, y + 1, flag if i % 2 == 0 else (255, 255, 255, 255))
    return c


def hierarchy_diagram():
    c = Canvas(240, 150)
    blue, line, light = (31, 73, 125, 255), (90, 90, 90, 255), (200, 220, 240, 255)

    def box(x, y, w, h, fill):
        c.rect(x, y, x + w, y + h, fill)
        c.frame(x, y, x + w, y + h, blue, 2)

    box(90, 8, 60, 26, (160, 190, 225, 255))
    c.line(120, 34, 120, 50, line)
    c.line(40, 50, 200, 50, line)
    for x in (40, 120, 200):
        c.line(x, 50, x, 62, line)
        box(x - 28, 62, 56, 24, light)
        c.line(x, 86, x, 100, line)
    for x in (40, 120, 200):
        c.line(x - 18, 100, x + 18, 100, line)
        for dx in (-18, 18):
            c.line(x + dx, 100, x + dx, 110, line)
            box(x + dx - 14, 110, 28, 18, (235, 242, 250, 255))
    return c


def weekly_timetable():
    c = Canvas(200, 130)
    head, grid = (70, 110, 160, 255), (150, 150, 150, 255)
    palette = [(244, 177, 131, 255), (169, 208, 142, 255), (155, 194, 230, 255), (255, 217, 102, 255),
               (201, 160, 220, 255)]
    c.rect(10, 10, 190, 24, head)
    for day in range(5):
        for hour in range(6):
            x, y = 10 + day * 36, 26 + hour * 16
            c.rect(x + 1, y + 1, x + 35, y + 15, palette[(day * 2 + hour) % len(palette)])
    c.frame(10, 10, 190, 122, grid)
    for day in range(1, 5):
        c.line(10 + day * 36, 10, 10 + day * 36, 122, grid)
    return c


def pupils_chart():
    c = Canvas(220, 140)
    axis = (60, 60, 60, 255)
    c.line(20, 10, 20, 120, axis)
    c.line(20, 120, 210, 120, axis)
    for y in range(20, 120, 20):
        c.line(17, y, 210, y, (225, 225, 225, 255))
    values = [(62, 48), (75, 58), (88, 70), (80, 66), (92, 81), (70, 55)]
    for i, (a, b) in enumerate(values):
        x = 30 + i * 30
        c.rect(x, 120 - a, x + 10, 119, (68, 114, 196, 255))
        c.rect(x + 11, 120 - b, x + 21, 119, (237, 125, 49, 255))
    return c


def main():
    os.makedirs(HELP, exist_ok=True)
    write_ico([spreadsheet_icon(16), spreadsheet_icon(32)], os.path.join(HELP, "excel.ico"))
    write_gif(school_building(), os.path.join(HELP, "school.gif"))
    write_png(hierarchy_diagram(), os.path.join(HELP, "hierarchy.png"))
    write_png(weekly_timetable(), os.path.join(HELP, "timetable.png"))
    write_png(pupils_chart(), os.path.join(HELP, "pupils_chart.png"))


if __name__ == "__main__":
    main()
