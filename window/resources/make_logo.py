#!/usr/bin/python3
"""Draws the talvexview logo and writes it as logo.jpg.

A 100 x 100 baseline JPEG in the JFIF 1.01 layout, three 8-bit components
without chroma subsampling, 72 dots per inch, padded with a comment segment
to exactly 3931 bytes. Needs python3-pil.
"""
import io
import os
import struct
import sys

from PIL import Image, ImageDraw

SIZE = 100
TARGET_BYTES = 3931
COMMENT = b"QZ TALVEX logo"


def draw():
    img = Image.new("RGB", (SIZE, SIZE), (0, 64, 128))
    d = ImageDraw.Draw(img)
    # A lighter band behind the letters.
    d.rectangle([0, 30, SIZE - 1, 69], fill=(0, 96, 176))
    # Q: a thick ring with a tail.
    d.ellipse([6, 22, 50, 78], fill=(255, 255, 255))
    d.ellipse([16, 32, 40, 68], fill=(0, 96, 176))
    d.polygon([(34, 60), (42, 56), (54, 76), (46, 80)], fill=(255, 200, 0))
    # Z: two bars and a diagonal.
    d.rectangle([56, 22, 94, 31], fill=(255, 255, 255))
    d.rectangle([56, 69, 94, 78], fill=(255, 255, 255))
    d.polygon([(84, 31), (94, 31), (66, 69), (56, 69)], fill=(255, 255, 255))
    # A thin frame.
    d.rectangle([0, 0, SIZE - 1, SIZE - 1], outline=(255, 200, 0))
    return img


def encode(img, quality):
    out = io.BytesIO()
    img.save(out, "JPEG", quality=quality, subsampling=0, dpi=(72, 72),
             optimize=False, progressive=False)
    return out.getvalue()


def pad_with_comment(jpeg, total):
    """Inserts a COM segment after APP0 so that the file is `total` bytes."""
    assert jpeg[:4] == b"\xff\xd8\xff\xe0", "expected SOI then APP0"
    app0_end = 4 + struct.unpack(">H", jpeg[4:6])[0]
    payload_len = total - len(jpeg) - 4
    if payload_len < 0:
        raise ValueError("encoded logo is already larger than the target")
    payload = (COMMENT + b" " * payload_len)[:payload_len]
    segment = b"\xff\xfe" + struct.pack(">H", payload_len + 2) + payload
    return jpeg[:app0_end] + segment + jpeg[app0_end:]


def main():
    img = draw()
    # The best quality that still leaves room for the comment segment.
    for quality in range(95, 10, -1):
        jpeg = encode(img, quality)
        if len(jpeg) + 4 + len(COMMENT) <= TARGET_BYTES:
            break
    else:
        sys.exit("logo does not fit in %d bytes" % TARGET_BYTES)
    data = pad_with_comment(jpeg, TARGET_BYTES)
    assert len(data) == TARGET_BYTES
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "logo.jpg")
    with open(path, "wb") as f:
        f.write(data)
    print("%s: quality %d, %d bytes" % (path, quality, len(data)))


if __name__ == "__main__":
    main()
