#!/usr/bin/python3
"""Decodes each NAME.bmp of a folder with Pillow and with ImageMagick and compares the pixels with
NAME.rgb beside it: the painted pattern, as raw 8-bit red, green, blue, top row first.

    check_bmp_readers.py FOLDER
"""
import pathlib
import subprocess
import sys

from PIL import Image


def decode_with_pillow(path):
    with Image.open(path) as image:
        return image.size, image.convert("RGB").tobytes()


def decode_with_imagemagick(path):
    size = subprocess.run(["identify", "-format", "%w %h", str(path)], check=True,
                          capture_output=True, text=True).stdout.split()
    pixels = subprocess.run(["convert", str(path), "-depth", "8", "rgb:-"], check=True,
                            capture_output=True).stdout
    return (int(size[0]), int(size[1])), pixels


def difference(size, pixels, expected):
    """None when the pixels are the expected ones, else what differs."""
    width, height = size
    if len(expected) != width * height * 3:
        return f"decoded as {width} x {height}, which does not match the pattern's size"
    if len(pixels) != len(expected):
        return f"{len(pixels)} bytes of pixels for {width} x {height}"
    for offset in range(0, len(expected), 3):
        if pixels[offset:offset + 3] != expected[offset:offset + 3]:
            x, y = offset // 3 % width, offset // 3 // width
            return (f"pixel ({x}, {y}) is {pixels[offset:offset + 3].hex()}, "
                    f"not {expected[offset:offset + 3].hex()}")
    return None


def main(folder):
    samples = sorted(pathlib.Path(folder).glob("*.bmp"))
    if not samples:
        print(f"no captures in {folder}")
        return 1
    failed = False
    for sample in samples:
        expected = sample.with_suffix(".rgb").read_bytes()
        for reader, decode in (("Pillow", decode_with_pillow),
                               ("ImageMagick", decode_with_imagemagick)):
            problem = difference(*decode(sample), expected)
            print(f"{sample.name}: {reader}: {problem or 'the painted pattern'}")
            failed = failed or problem is not None
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1]))
