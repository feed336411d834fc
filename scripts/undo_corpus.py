#!/usr/bin/env python3
"""Writes COUNT synthetic MP3 files into FOLDER for the undo checks: four frames of audio each,
every second file with a tag trailer, every seventh with an older trailer before that one (a
clear leaves it as the file's tag), named "NNNN - Band - Song N.mp3". Every third file starts
with an ID3v2 tag: a 2.3 tag with room to spare, or (every ninth) a 2.4 tag without padding, which
a write has to move the audio for.

    scripts/undo_corpus.py FOLDER COUNT
"""
import sys


def syncsafe(n):
    return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])


def id3v2(version, title, padding):
    body = b"\x00" + title
    size = syncsafe(len(body)) if version == 4 else len(body).to_bytes(4, "big")
    frames = b"TIT2" + size + b"\0\0" + body + b"PRIV" + size + b"\0\0" + body
    return b"ID3" + bytes([version, 0, 0]) + syncsafe(len(frames) + padding) + frames + bytes(padding)


folder, count = sys.argv[1], int(sys.argv[2])
frame = b"\xff\xfb\x90\x00" + bytes(413)
for i in range(count):
    head, trailer = b"", b""
    if i % 3 == 0:
        head = id3v2(4, b"Old %d" % i, 0) if i % 9 == 0 else id3v2(3, b"Old %d" % i, 512)
    if i % 2 == 0:
        trailer = (b"TAG" + b"Title %d" % i).ljust(33, b"\0") + b"Artist".ljust(30, b"\0")
        trailer = trailer.ljust(127, b"\0") + bytes([i % 148])
    if i % 7 == 0:
        trailer = (b"TAG" + b"Older").ljust(128, b"\0") + trailer
    with open("%s/%04d - Band - Song %d.mp3" % (folder, i, i), "wb") as out:
        out.write(head + frame * 4 + trailer)
