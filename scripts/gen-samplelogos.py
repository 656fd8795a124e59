#!/usr/bin/env python3
"""Draws the sample logos shipped in data/logos/: operator, group and
start-up logos, picture messages and a screensaver, as NOL, NGG, BMP and PNG
files. Run from the repository root; the files are committed."""
import math
import struct
import zlib
from pathlib import Path

# A 5 x 7 font for the letters the samples use.
FONT = {
    'A': ["01110", "10001", "10001", "11111", "10001", "10001", "10001"],
    'C': ["01110", "10001", "10000", "10000", "10000", "10001", "01110"],
    'E': ["11111", "10000", "10000", "11110", "10000", "10000", "11111"],
    'F': ["11111", "10000", "10000", "11110", "10000", "10000", "10000"],
    'H': ["10001", "10001", "10001", "11111", "10001", "10001", "10001"],
    'I': ["01110", "00100", "00100", "00100", "00100", "00100", "01110"],
    'L': ["10000", "10000", "10000", "10000", "10000", "10000", "11111"],
    'M': ["10001", "11011", "10101", "10101", "10001", "10001", "10001"],
    'N': ["10001", "11001", "10101", "10011", "10001", "10001", "10001"],
    'O': ["01110", "10001", "10001", "10001", "10001", "10001", "01110"],
    'R': ["11110", "10001", "10001", "11110", "10100", "10010", "10001"],
    'S': ["01111", "10000", "10000", "01110", "00001", "00001", "11110"],
    'T': ["11111", "00100", "00100", "00100", "00100", "00100", "00100"],
    'V': ["10001", "10001", "10001", "10001", "10001", "01010", "00100"],
    'W': ["10001", "10001", "10001", "10101", "10101", "10101", "01010"],
    'G': ["01110", "10001", "10000", "10111", "10001", "10001", "01111"],
    'K': ["10001", "10010", "10100", "11000", "10100", "10010", "10001"],
    'U': ["10001", "10001", "10001", "10001", "10001", "10001", "01110"],
    ' ': ["00000"] * 7,
    '!': ["00100", "00100", "00100", "00100", "00100", "00000", "00100"],
}


class Canvas:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.pixels = [[0] * width for _ in range(height)]

    def set(self, x, y, black=1):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = black

    def get(self, x, y):
        return self.pixels[y][x]

    def line(self, x0, y0, x1, y1, black=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(steps + 1):
            self.set(round(x0 + (x1 - x0) * i / steps), round(y0 + (y1 - y0) * i / steps), black)

    def rect(self, x0, y0, x1, y1, filled=False, black=1):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                if filled or x in (x0, x1) or y in (y0, y1):
                    self.set(x, y, black)

    def ellipse(self, cx, cy, rx, ry, filled=False, black=1):
        for y in range(cy - ry - 1, cy + ry + 2):
            for x in range(cx - rx - 1, cx + rx + 2):
                d = ((x - cx) / max(rx, 0.5)) ** 2 + ((y - cy) / max(ry, 0.5)) ** 2
                if (filled and d <= 1.0) or (not filled and 0.72 <= d <= 1.15):
                    self.set(x, y, black)

    def text(self, x, y, text, scale=1):
        for ch in text:
            glyph = FONT[ch]
            for gy, row in enumerate(glyph):
                for gx, bit in enumerate(row):
                    if bit == '1':
                        for sy in range(scale):
                            for sx in range(scale):
                                self.set(x + gx * scale + sx, y + gy * scale + sy)
            x += 6 * scale

    def text_width(self, text, scale=1):
        return len(text) * 6 * scale - scale

    def bits(self):
        return [self.pixels[y][x] for y in range(self.height) for x in range(self.width)]


def bmp(canvas):
    row_bytes = ((canvas.width + 31) // 32) * 4
    data = bytearray()
    for y in reversed(range(canvas.height)):
        row = bytearray(row_bytes)
        for x in range(canvas.width):
            if not canvas.get(x, y):  # colour 1 is white
                row[x // 8] |= 0x80 >> (x % 8)
        data += row
    header_size = 14 + 40 + 8
    info = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 1, 0, len(data),
                       2835, 2835, 2, 2)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    return b'BM' + struct.pack('<IHHI', header_size + len(data), 0, 0, header_size) + info + \
        palette + bytes(data)


def png(canvas):
    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)
        row = bytearray((canvas.width + 7) // 8)
        for x in range(canvas.width):
            if not canvas.get(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        raw += row

    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + \
            struct.pack('>I', zlib.crc32(kind + body) & 0xFFFFFFFF)
    head = struct.pack('>IIBBBBB', canvas.width, canvas.height, 1, 0, 0, 0, 0)
    return b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', head) + \
        chunk(b'IDAT', zlib.compress(bytes(raw), 9)) + chunk(b'IEND', b'')


def pixel_text(canvas):
    bits = canvas.bits()
    bits += [0] * (-len(bits) % 8)
    return ''.join('1' if b else '0' for b in bits).encode()


def nol(canvas, country, network):
    return b'NOL\x00\x01\x00' + struct.pack('<HHHH', country, network, canvas.width,
                                            canvas.height) + b'\x01\x00\x01\x00\x53\x00' + \
        pixel_text(canvas)


def ngg(canvas):
    return b'NGG\x00\x01\x00' + struct.pack('<HH', canvas.width, canvas.height) + \
        b'\x01\x00\x01\x00\x4a\x00' + pixel_text(canvas)


def corvina_operator():
    c = Canvas(72, 14)
    # A bird in flight, then the name.
    for x0, y0, x1, y1 in [(1, 5, 5, 3), (5, 3, 8, 6), (8, 6, 11, 3), (11, 3, 15, 5),
                           (7, 6, 8, 8), (8, 8, 9, 6)]:
        c.line(x0, y0, x1, y1)
    c.text(19, 4, "CORVINA")
    c.line(19, 12, 70, 12)
    return c


def family_group():
    c = Canvas(72, 14)
    for cx in (6, 65):
        c.ellipse(cx - 2, 5, 2, 2, filled=True)
        c.ellipse(cx + 2, 5, 2, 2, filled=True)
        for y in range(6, 11):
            c.line(cx - 4 + (y - 6), y, cx + 4 - (y - 6), y)
    c.text(18, 4, "FAMILIE")
    return c


def sunrise_startup():
    c = Canvas(84, 48)
    c.rect(0, 0, 83, 47)
    c.ellipse(42, 30, 12, 12, filled=True)
    for angle in range(0, 181, 20):
        a = math.radians(angle)
        c.line(42 + round(15 * math.cos(a)), 30 - round(15 * math.sin(a)),
               42 + round(21 * math.cos(a)), 30 - round(21 * math.sin(a)))
    # Hills in front of the sun, white above, black below.
    for x in range(84):
        top = 31 + round(4 * math.sin(x / 9.0))
        for y in range(top, 47):
            c.set(x, y, 1 if (x + y) % 3 else 0)
        c.set(x, top, 1)
    c.rect(24, 3, 59, 11, filled=True, black=0)
    c.text(28, 4, "HALLO")
    return c


def phone_picture():
    c = Canvas(72, 28)
    # A handset on a phone with a dial.
    c.rect(4, 12, 27, 26)
    c.ellipse(15, 19, 5, 5)
    c.set(15, 19)
    c.line(2, 9, 29, 9)
    c.line(2, 9, 2, 12)
    c.line(29, 9, 29, 12)
    c.rect(1, 6, 6, 9, filled=True)
    c.rect(25, 6, 30, 9, filled=True)
    c.text(35, 4, "RUF")
    c.text(35, 15, "MAL AN!")
    return c


def smiley_picture():
    c = Canvas(72, 28)
    for cx in (14, 36, 58):
        c.ellipse(cx, 14, 11, 11)
        c.ellipse(cx - 4, 10, 1, 2, filled=True)
        c.ellipse(cx + 4, 10, 1, 2, filled=True)
        for x in range(cx - 6, cx + 7):
            c.set(x, 17 + round(3 * math.cos((x - cx) / 6.0 * math.pi / 2)))
    return c


def waves_screensaver():
    c = Canvas(101, 65)
    for band in range(0, 65, 9):
        for x in range(101):
            y = band + round(3 * math.sin(x / 7.0 + band))
            c.set(x, y)
            c.set(x, y + 1)
    c.rect(30, 24, 70, 40, filled=True, black=0)
    c.rect(30, 24, 70, 40)
    c.text(35, 29, "MEER")
    return c


def notes_operator():
    c = Canvas(72, 14)
    for x in range(0, 72, 12):
        c.ellipse(x + 3, 10, 2, 1, filled=True)
        c.line(x + 5, 2, x + 5, 10)
        c.line(x + 5, 2, x + 8, 4)
    return c


def main():
    folder = Path(__file__).resolve().parent.parent / 'data' / 'logos'
    folder.mkdir(parents=True, exist_ok=True)
    files = {
        'corvina-betreiber.nol': nol(corvina_operator(), 262, 1),
        'familie-gruppe.ngg': ngg(family_group()),
        'sonnenaufgang-start.bmp': bmp(sunrise_startup()),
        'telefon-bild.bmp': bmp(phone_picture()),
        'smileys-bild.png': png(smiley_picture()),
        'meer-schoner.bmp': bmp(waves_screensaver()),
        'noten-betreiber.bmp': bmp(notes_operator()),
    }
    for name, data in files.items():
        (folder / name).write_bytes(data)


if __name__ == '__main__':
    main()
