#!/usr/bin/env python3
"""Writes the seed inputs of the fuzz targets to tests/fuzz/corpus/<target>/seed-*.

Run it again after changing how a target reads its input. Inputs that once
found a fault (crash-*) sit beside the seeds and are left alone.
"""

import pathlib
import struct

CORPUS = pathlib.Path(__file__).resolve().parent / "corpus"
IMAGE_SIZE = 1088
SETTINGS = 1024


def new_document():
    image = bytearray(IMAGE_SIZE)
    for c in range(64):
        image[c * 16 + 12] = 3
    image[SETTINGS + 1] = 15
    image[SETTINGS + 2] = 50
    image[SETTINGS + 16:SETTINGS + 48] = b"\xff" * 32
    return image


def sample():
    """Band 400 MHz, channels 0..9 but 3 in use: passes both models' check."""
    image = new_document()
    image[SETTINGS + 3:SETTINGS + 6] = (10_000_000).to_bytes(3, "big")
    image[SETTINGS + 16:SETTINGS + 18] = bytes([0, 2])
    image[SETTINGS + 32] = 9
    last = 0
    for c in range(64):
        r = c * 16
        image[r + 12] = c % 10
        image[r + 14] = c
        image[r + 15] = 0xA0 + c % 16
        if c > 9 or c == 3:
            continue
        rx = 40_012_500 + c * 12_500
        image[r:r + 4] = struct.pack(">I", rx)
        image[r + 5:r + 9] = struct.pack(">I", rx + 500_000)
        image[r + 4] = c + 1
        image[r + 10] = 0x50
        image[r + 11] = 0x08 if c % 2 else 0x80
        image[r + 13] = c * 10
        image[SETTINGS + 48 + c // 8] |= 1 << (c % 8)
        last = c
    image[SETTINGS] = last
    return image


def odd():
    """Bytes the form must show safely: levels above 9, codes outside the
    tables, scan groups with gaps and entries above 63, erased records."""
    image = sample()
    for c in range(10, 20):
        r = c * 16
        image[r:r + 4] = struct.pack(">I", 43_512_500 + c)
        image[r + 5:r + 9] = struct.pack(">I", 0xFFFFFFFF)
        image[r + 4] = 0x26 + c        # tone byte beyond the table
        image[r + 9] = 0x9C            # inverted 172: nobody's partner
        image[r + 10] = 0x18 | (0x40 if c % 2 else 0)
        image[r + 12] = 200
        image[r + 13] = 255
    image[20 * 16:21 * 16] = b"\xff" * 16
    image[SETTINGS + 16:SETTINGS + 32] = bytes([5, 0xFF, 70, 1, 255, 63, 64] + [0xFF] * 9)
    image[SETTINGS + 3:SETTINGS + 6] = b"\xff\xff\xff"
    return image


def file_of(image):
    return bytes(image) + b"\x00"


def transfer_blocks(last_open=True):
    """Five full generated replies, each fetched in its window."""
    steps = []
    for k in range(5):
        steps += [4, 0x30 + k, 0]
        if k < 4 or not last_open:
            steps += [1]
    return steps


def transfer_seeds():
    rk520, rk7400, read, write, opens = 0, 1, 0, 1, 1
    handshake_reply = [1, 0]
    fire = [0]
    yield "read-rk520", [rk520, read, 0, 0, opens] + handshake_reply + fire + [opens] + transfer_blocks()
    yield "read-rk7400-com1-silent", ([rk7400, read, 0, 0, opens] + fire + [opens] + handshake_reply + fire +
                                      [opens] + transfer_blocks())
    yield "read-short-block", [rk520, read, 0, 1, opens] + handshake_reply + fire + [opens, 3, 7, 99] + fire
    yield "read-radio-gone", [rk7400, read, 0, 0, opens] + handshake_reply + fire + [opens, 3, 9, 40, 5] + fire
    yield "read-window-closed", [rk520, read, 0, 0, opens] + handshake_reply + fire + [opens, 4, 1, 7, 0x5A]
    yield "write-rk520", [rk520, write, 0, 1, opens] + handshake_reply + fire + [opens] + [0, opens] * 4 + fire
    yield "write-rk7400-busy", ([rk7400, write, 0, 0, opens] + handshake_reply + [6, 0] + fire +
                                [opens, 0, opens, 0, 0])
    # One changed byte: bandLow's low byte, so the band is not whole MHz.
    yield "write-refused", [rk7400, write, 1, 0x04, 0x05, 0x01, 0]


def main():
    seeds = {
        "image_file": {
            "new-document": file_of(new_document()),
            "sample": file_of(sample()),
            "odd": file_of(odd()) + b"trailing bytes",
            "erased": b"\xff" * (IMAGE_SIZE + 1),
            "bare-image": bytes(sample()),
        },
        "numbers": {
            "frequency": b"145.0125",
            "blanks": b" -1e-05\t",
            "tenths-limit": b"25.6",
            "negative-tenths": b"-0.05",
            "too-large": b"1e999",
            "exponent": b"+.5E+3",
            "int32-max": b"21474.83647",
        },
        "squelch_codes": {
            "tone": bytes([0x03, 0x25]),
            "dcs-inverted": bytes([0x01, 0x87, 0x01, 0x9C, 0x01, 0xD4]),
            "dcs-aliases": bytes([0x01, 0x05, 0x01, 0x54]),
            "encode": bytes([0x05, 0, 0, 0, 110, 0x07, 0, 0, 0, 38]),
        },
        "clone_transfer": {name: bytes(steps) for name, steps in transfer_seeds()},
        "form": {
            "rk520-sample": b"\x00" + file_of(sample()),
            "rk7400-sample": b"\x01" + file_of(sample()),
            "rk520-odd": b"\x00" + file_of(odd()),
        },
    }
    for target, files in seeds.items():
        folder = CORPUS / target
        folder.mkdir(parents=True, exist_ok=True)
        for old in folder.glob("seed-*"):
            old.unlink()
        for name, data in files.items():
            (folder / f"seed-{name}").write_bytes(data)


if __name__ == "__main__":
    main()
