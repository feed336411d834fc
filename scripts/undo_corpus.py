#!/usr/bin/env python3
"""Writes COUNT synthetic MP3 files into FOLDER for the undo checks: four frames of audio each,
every second file with a tag trailer, every seventh with an older trailer before that one (a
clear leaves it as the file's tag), named "NNNN - Band - Song N.mp3".

    scripts/undo_corpus.py FOLDER COUNT
"""
import sys

folder, count = sys.argv[1], int(sys.argv[2])
frame = b"\xff\xfb\x90\x00" + bytes(413)
for i in range(count):
    trailer = b""
    if i % 2 == 0:
        trailer = (b"TAG" + b"Title %d" % i).ljust(33, b"\0") + b"Artist".ljust(30, b"\0")
        trailer = trailer.ljust(127, b"\0") + bytes([i % 148])
    if i % 7 == 0:
        trailer = (b"TAG" + b"Older").ljust(128, b"\0") + trailer
    with open("%s/%04d - Band - Song %d.mp3" % (folder, i, i), "wb") as out:
        out.write(frame * 4 + trailer)
