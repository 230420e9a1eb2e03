#!/usr/bin/env python3
"""Turns the readable UTF-8 language packs of res/lang into the exact bytes
the executable carries as "INI" resources 253-262: UTF-16LE with a BOM,
CR LF line ends, the [LANSTR] section, twenty key=value lines, then a few
empty lines. The download URL and licence hosts are build settings."""
import argparse
import os
import sys

# resource id -> (output file, readable source, licence host setting)
PACKS = [
    (253, "English.ini",    "english",    "en"),
    (254, "Chinese.ini",    "english",    "en"),
    (255, "ChineseTW.ini",  "chinese_tw", "tw"),
    (256, "Dutch.ini",      "english",    "en"),
    (257, "French.ini",     "french",     "fr"),
    (258, "German.ini",     "german",     "de"),
    (259, "Italian.ini",    "italian",    "it"),
    (260, "Japanese.ini",   "japanese",   "ja"),
    (261, "Portuguese.ini", "english",    "en"),
    (262, "Spanish.ini",    "english",    "en"),
]
LICENCE_PATH = "/company/license-agreement/"
TRAILING_EMPTY_LINES = 3


def pack_bytes(text, down_url, licence_url):
    text = text.replace("@DOWN_URL@", down_url).replace("@LICENCE_URL@", licence_url)
    lines = text.rstrip("\n").split("\n") + [""] * TRAILING_EMPTY_LINES
    body = "".join(line + "\r\n" for line in lines)
    return b"\xff\xfe" + body.encode("utf-16-le")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--src", required=True, help="folder of the readable packs")
    ap.add_argument("--out", required=True)
    ap.add_argument("--down-url", required=True)
    for lang in ("en", "tw", "fr", "de", "it", "ja"):
        ap.add_argument("--licence-host-" + lang, required=True)
    args = ap.parse_args()

    os.makedirs(args.out, exist_ok=True)
    for res_id, out_name, source, host_key in PACKS:
        with open(os.path.join(args.src, source + ".ini.in"), encoding="utf-8") as f:
            text = f.read()
        host = getattr(args, "licence_host_" + host_key)
        data = pack_bytes(text, args.down_url, "https://" + host + LICENCE_PATH)
        path = os.path.join(args.out, out_name)
        old = None
        if os.path.exists(path):
            with open(path, "rb") as f:
                old = f.read()
        if old != data:  # keep timestamps stable so windres reruns only on change
            with open(path, "wb") as f:
                f.write(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
