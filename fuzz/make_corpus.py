#!/usr/bin/env python3
"""Writes the seed inputs of every fuzz target into fuzz/corpus/<target>/.

Each seed is a small input in the layout its target reads (see the comment at the top of each
fuzz/<target>_fuzz.cpp). Run it again after changing a layout; the fuzzers add their own finds to
a copy, never to these folders.
"""

import pathlib
import shutil
import struct

HERE = pathlib.Path(__file__).resolve().parent


def frame_header(version, layer, bitrate_index, rate_index, padding=False, crc=False, mode=1):
    """Four header bytes: version 1 (MPEG-1), 2 (MPEG-2) or 3 (MPEG-2.5), layer 1..3."""
    version_bits = {1: 0b11, 2: 0b10, 3: 0b00}[version]
    layer_bits = {1: 0b11, 2: 0b10, 3: 0b01}[layer]
    second = 0xE0 | version_bits << 3 | layer_bits << 1 | (0 if crc else 1)
    third = bitrate_index << 4 | rate_index << 2 | (0x02 if padding else 0)
    fourth = mode << 6 | 0x04  # original
    return bytes([0xFF, second, third, fourth])


def frames(header, length, count=2):
    """`count` frames of `length` bytes, silence after each header."""
    return (header + bytes(length - 4)) * count


def trailer(title=b"", artist=b"", album=b"", year=b"", comment=b"", track=0, genre=255):
    def field(text, size):
        return text[:size].ljust(size, b"\0")

    body = b"TAG" + field(title, 30) + field(artist, 30) + field(album, 30) + field(year, 4)
    if track:
        body += field(comment, 28) + b"\0" + bytes([track])
    else:
        body += field(comment, 30)
    return body + bytes([genre])


def id3v2(size, footer=False):
    syncsafe = bytes([(size >> 21) & 0x7F, (size >> 14) & 0x7F, (size >> 7) & 0x7F, size & 0x7F])
    head = b"ID3\x03\x00" + bytes([0x10 if footer else 0]) + syncsafe
    return head + bytes(size) + (b"3DI" + bytes(7) if footer else b"")


def limit(value):
    return struct.pack(">H", value)


def mpeg_analysis():
    # MPEG-2.5 Layer III 8 kbit/s at 8000 Hz: 144-byte frames; MPEG-1 Layer III 32 kbit/s at
    # 48000 Hz: 96-byte frames
    small = frame_header(3, 3, 1, 2)
    mpeg1 = frame_header(1, 3, 1, 1)
    return {
        "two_frames": limit(0) + frames(small, 144),
        "two_frames_tagged": limit(0) + frames(mpeg1, 96) + trailer(b"Blue Sky", b"Ann", track=5, genre=17),
        "id3v2_first": limit(0) + id3v2(40) + frames(mpeg1, 96),
        "id3v2_footer": limit(0) + id3v2(20, footer=True) + id3v2(10) + frames(mpeg1, 96),
        "false_sync": limit(0) + b"\xff\xfb\x00\x00junk\xff\xe0" + frames(small, 144),
        "padded_crc": limit(0) + frame_header(1, 2, 2, 0, padding=True, crc=True)[:4] + bytes(20) + frames(mpeg1, 96),
        "no_frames_limited": limit(300) + bytes(range(0, 0xFF)) * 3,
        "layer1_mpeg2": limit(0) + frames(frame_header(2, 1, 3, 0), 313),
        "short": limit(0) + b"\xff\xfb\x10",
    }


def tag_trailer():
    texts = b"\n".join([b"Blue Sky", b"\xd0\x9f\xd0\xb5\xd1\x81\xd0\xbd\xd1\x8f", b"Caf\xc3\xa9",
                        b"1999", b"\xe2\x82\xac uro and ? marks \xff"])
    return {
        "plain": trailer(b"Blue Sky", b"Artist", b"Album", b"1999", b"Comment", genre=17),
        "track": trailer(b"Title", comment=b"twenty-eight characters long", track=7, genre=0),
        "high_bytes": trailer(bytes(range(0x80, 0x9E)), bytes(range(0xC0, 0xDE)), bytes(range(0xE0, 0xFE))),
        "spaces": trailer(b"  lead", b"trail   ", b"mid\0after", b"20 ", b" " * 30),
        "with_texts": trailer(b"x") + texts,
    }


def lines(*parts):
    return b"\n".join(parts)


def format_items():
    texts = [b"Blue Sky", b"Artist", b"Album", b"1999", b"Comment", b"/music/a/01 - song.mp3", b"MUSIC"]
    numbers = bytes([17, 5, 1, 3, 1, 0x1F]) + struct.pack("<HHHiiq", 2, 245, 417, 44100, 128, 3932160) + bytes([46, 11, 6, 9, 5, 7])
    examples = [
        b"[ artist=%a,t% - album=%alb,t% ]\\%tr,t%.title=%t,t% - genre=%g,t% - year=%y%",
        b"%T%|%t,t%|%T,R%|%T,R,12,.%|%T,C,12,-%|%T,C,11,-%|%T,L,4%|%T,X,4%|%T,L:12,.%|%T,L:12,,.%",
        b"%T:L%%TR%%tr,t%%TR,R,4,0%%G%%M,T%%S%%BR%kbps%SRK%%DF%%LM%%LK%%65%%%a%b",
        b"%DC%%LC%%LKC%%FD%%FT%%V%%LY%%LYN%%SR%%EP*%%C*%%O*%%FL%%SLN%%SL*%%VD*%%NL%%#%%TB%%FN,R,60%%FP%",
        b"%This is title,C,70%%T,L,2000000000,\xc3\xa9%%0%%6.5%%999999999999%",
    ]
    return {f"macro_{i}": lines(macro, *texts, numbers, b".", b",", b".") for i, macro in enumerate(examples)}


def tag_formula():
    fields = b"012345"
    return {
        "default": lines(b"\x00\x00", b"/home/ann/01 [ Artist - Album ] - Title.mp3", b"", b" [ ", b" - ", b" ] - ", b"", b"", fields, b"_", b" "),
        "path": lines(b"\x13\x01\x06", b"/music/Artist/Album/03_Song_Name.MP3", b"%NONE", b"/", b"/", b"_", b"%END", b"", b"1203", b"_", b" ", b"Name", b"Title"),
        "growing": lines(b"\x02\x00", b"aaaa.mp3", b"", b"%END", b"", b"", b"", b"", b"3", b"a", b"ba"),
        "odd_fields": lines(b"\x0c\xff", b"x - y - z.mp3", b"", b" - ", b" - ", b"", b"", b"", b"6/7\x80"),
    }


def html_substitution():
    row = (b'<tr><td><a href="songs_file_name">song_name_from_tags</a></td><td>title_from_tags</td>'
           b"<td>artist_from_tags</td><td>album_from_tags</td><td>year_from_tags</td>"
           b"<td>tracknr_from_tags</td><td>comment_from_tags</td><td>genre_from_tags</td>"
           b"<td>duration_from_tags</td><td>size_from_tags</td><td>version_from_tags</td>"
           b"<td>mode_from_tags</td><td>bitrate_from_tags</td></tr>")
    page = b"<h1>var_caption_header var_date_time</h1><p>var_copyright</p>"
    numbers = bytes([17, 5, 1, 1, 64, 0, 245, 4, 12])
    return {
        "row": lines(row, b"/music/01 - Blue Sky.mp3", b"Blue Sky", b"Artist", b"Album", b"1999", b"Comment", numbers),
        "markup_values": lines(row, b"/m/<b>&\"'.mp3", b"<script>", b"a&b", b"'q'", b"\"", b"title_from_tags<", numbers, b"<tail \xff>"),
        "page": lines(page, b"/m/x.mp3", b"[notag]", b"", b"", b"", b"", bytes(9)),
    }


def file_mask():
    return {
        "masks": lines(b"*.mp3;*.ogg|*.M?3, *.*", b"song.MP3", b"x.ogg", b"noext", b".mp3", b"a.m43"),
        "ignored": lines(b"name*.mp3;*.;*.mp*;  *.MP3  ;*.mp3", b"a.mp3", b"b.mpeg", b"c.MP"),
        "stars": lines(b"*.**,*.?,*.*a*b*", b"x.ab", b"y.z", b"plain"),
    }


def settings_values():
    store = b"""[General]
Last%20Macros="[ artist=%a,t% - album=%alb,t% ]\\\\%tr,t%.title=%t,t%"
Last%20Path%20For%20Files=/home/ann/Music
Limit%20to%2064=1
AutoTrim%20Spaces=0x1
Total%20Nr%20Of%20Fields=2
Current%20Index=1
Tag%20Code%20Page=windows-1251
Last%20Sep_2=" [ "
Last%20Field_2=7

[BitRate]
Warning%20BitRate=1
Low%20BitRate= 0x70
High%20BitRate=-1
Exclude%20If%20Warning=0

[EnabledFields]
Title=1
Track=0

[Recent%20Paths]
00=/home/ann/Music
01=..none..

[RegSetari]
0\\Last%20Sep_1=%NONE
0\\Last%20Field_1=3
1\\Last%20Sep_2=a, b
1\\Last%20Field_6=-1

[Macro]
Total=3
0=%T%
1=_NONE_
2=%A% - %T%
Index=5

[_MainForm]
Width=800
Height=0xFFFFFFFF
WindowState=1
"""
    return {
        "store": store,
        "broken": b"[General\nTotal%20Nr%20Of%20Fields=99999999999\n[Macro]\nTotal=0x7FFFFFFF\n0=\"unclosed\n",
        "integers": lines(b"0x", b"0xFFFFFFFF", b"-2147483648", b"2147483648", b" +12 ", b"0x100000000"),
    }


def id3v2_frame(version, frame_id, body, flags=b"\0\0"):
    """A 2.3 frame (plain size) or 2.4 frame (syncsafe size)."""
    size = len(body)
    if version == 4:
        size_bytes = bytes([(size >> 21) & 0x7F, (size >> 14) & 0x7F, (size >> 7) & 0x7F, size & 0x7F])
    else:
        size_bytes = struct.pack(">I", size)
    return frame_id + size_bytes + flags + body


def id3v2_tag(version, frames, padding=0, flags=0):
    body = b"".join(frames) + bytes(padding)
    size = len(body)
    syncsafe = bytes([(size >> 21) & 0x7F, (size >> 14) & 0x7F, (size >> 7) & 0x7F, size & 0x7F])
    return b"ID3" + bytes([version, 0, flags]) + syncsafe + body


def id3v2_edit():
    picture = b"\0image/jpeg\0\x03\0" + bytes(range(256)) * 4
    return {
        "v3-utf16-picture": id3v2_tag(3, [
            id3v2_frame(3, b"TIT2", b"\x01\xff\xfeO\0l\0d\0"),
            id3v2_frame(3, b"TRCK", b"\x003/12"),
            id3v2_frame(3, b"TYER", b"\x002001"),
            id3v2_frame(3, b"APIC", picture)], padding=64),
        "v4-utf8-comments": id3v2_tag(4, [
            id3v2_frame(4, b"COMM", b"\x03engiTunNORM\0 0000"),
            id3v2_frame(4, b"COMM", b"\x03eng\0old"),
            id3v2_frame(4, b"TIT2", b"\x03A\0B"),
            id3v2_frame(4, b"TCON", b"\x03(17)"),
            id3v2_frame(4, b"PRIV", b"x\0\xff\xe0")]),
        "v2": b"ID3\x02\0\0\0\0\0\x0eTT2\0\0\x08\0Old two",
        "v3-unsynchronised": id3v2_tag(3, [id3v2_frame(3, b"TIT2", b"\0\xff\0x")], flags=0x80),
        "no-tag": b"\xff\xfb\x90\x00",
    }


def main():
    targets = {
        "id3v2_edit": id3v2_edit(),
        "mpeg_analysis": mpeg_analysis(),
        "tag_trailer": tag_trailer(),
        "format_items": format_items(),
        "tag_formula": tag_formula(),
        "html_substitution": html_substitution(),
        "file_mask": file_mask(),
        "settings_values": settings_values(),
    }
    for target, seeds in targets.items():
        folder = HERE / "corpus" / target
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        for name, data in seeds.items():
            (folder / name).write_bytes(data)


if __name__ == "__main__":
    main()
