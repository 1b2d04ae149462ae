#!/usr/bin/python3
"""Draws the talvexview program icon and writes talvexview.ico.

One .ico file with three images: 32 x 32 in 2 colours (1 bit per pixel),
32 x 32 in 16 colours and 16 x 16 in 16 colours (4 bits per pixel), each an
uncompressed device-independent bitmap with an all-opaque mask. The two
16-colour images are also written as PNG files for the desktop's icon theme.
Needs python3-pil.
"""
import os
import struct

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))

# The classic 16-colour palette.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
MONO = [(0, 0, 0), (255, 255, 255)]

NAVY, YELLOW, WHITE, BLACK = 4, 11, 15, 0


def draw(size, back, letters, tail):
    """The QZ motif in palette indices on a size x size square."""
    img = Image.new("P", (size, size), back)
    d = ImageDraw.Draw(img)
    s = size / 32.0

    def box(x0, y0, x1, y1):
        return [round(x0 * s), round(y0 * s), round(x1 * s) - 1, round(y1 * s) - 1]

    d.ellipse(box(1, 6, 17, 27), fill=letters)
    d.ellipse(box(5, 11, 13, 22), fill=back)
    d.polygon([(round(x * s), round(y * s)) for x, y in [(10, 20), (13, 19), (18, 27), (15, 28)]],
              fill=tail)
    d.rectangle(box(18, 6, 31, 10), fill=letters)
    d.rectangle(box(18, 23, 31, 27), fill=letters)
    d.polygon([(round(x * s), round(y * s)) for x, y in [(27, 10), (31, 10), (22, 23), (18, 23)]],
              fill=letters)
    return img


def dib(img, palette, bits):
    """BITMAPINFOHEADER, palette, colour bits and AND mask, rows bottom-up."""
    w, h = img.size
    px = img.load()

    def rows(bits_per_pixel, value):
        stride = ((w * bits_per_pixel + 31) // 32) * 4
        out = bytearray()
        for y in range(h - 1, -1, -1):
            row = bytearray(stride)
            for x in range(w):
                v = value(x, y)
                bit = x * bits_per_pixel
                shift = 8 - bits_per_pixel - (bit % 8)
                row[bit // 8] |= v << shift
            out += row
        return bytes(out)

    colour = rows(bits, lambda x, y: px[x, y])
    mask = rows(1, lambda x, y: 0)
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, bits, 0, len(colour) + len(mask), 0, 0,
                         len(palette), 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    return header + table + colour + mask


def main():
    images = [
        (draw(32, BLACK, 1, 1), MONO, 1),
        (draw(32, NAVY, WHITE, YELLOW), VGA16, 4),
        (draw(16, NAVY, WHITE, YELLOW), VGA16, 4),
    ]
    blobs = [dib(img, pal, bits) for img, pal, bits in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (img, pal, bits), blob in zip(images, blobs):
        w, h = img.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, len(pal) % 256, 0, 1, bits, len(blob),
                           offset)
        offset += len(blob)
    out += b"".join(blobs)
    with open(os.path.join(HERE, "talvexview.ico"), "wb") as f:
        f.write(out)

    for img, pal, bits in images[1:]:
        rgb = Image.new("RGB", img.size)
        rgb.putdata([pal[i] for i in img.getdata()])
        rgb.save(os.path.join(HERE, "talvexview-%d.png" % img.size[0]), optimize=True)
    print("talvexview.ico: %d bytes" % len(out))


if __name__ == "__main__":
    main()
