#!/usr/bin/python3
"""Writes, clears and copies ID3v2 tags with cantrel-cli and reads the files back with mutagen,
an ID3v2 reader of its own: the new values in both tags, every other frame and the audio as they
were, and an undo that gives back every file byte for byte.

    id3v2_readback.py CANTREL_CLI WORK_FOLDER
"""
import os
import shutil
import subprocess
import sys

from mutagen.id3 import APIC, COMM, ID3, PRIV, TIT2, TPE1, TRCK, TXXX, USLT

cli, work = sys.argv[1], sys.argv[2]
shutil.rmtree(work, ignore_errors=True)
os.makedirs(work)
env = dict(os.environ, XDG_STATE_HOME=os.path.join(work, "state"))
AUDIO = (b"\xff\xfb\x90\x64" + bytes(413)) * 12
TRAILER = (b"TAG" + b"Old v1 title").ljust(33, b"\0") + b"Old v1 artist".ljust(30, b"\0")
TRAILER = TRAILER.ljust(127, b"\0") + bytes([12])
SEVEN = {"TIT2", "TPE1", "TALB", "TDRC", "TYER", "TCON", "TRCK", "COMM::eng"}
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)


def unsynchronise(path):
    data = open(path, "rb").read()
    size = int.from_bytes(data[6:10], "big")
    size = sum(((size >> (8 * i)) & 0x7F) << (7 * i) for i in range(4))
    body = data[10 : 10 + size].replace(b"\xff", b"\xff\x00")
    n = len(body)
    header = data[:5] + bytes([data[5] | 0x80]) + bytes((n >> s) & 0x7F for s in (21, 14, 7, 0))
    open(path, "wb").write(header + body + data[10 + size :])


def make(name, version, padding, picture=0, unsync=False, tagged=True):
    path = os.path.join(work, name + ".mp3")
    open(path, "wb").write(AUDIO)
    if tagged:
        tag = ID3()
        tag.add(TIT2(encoding=1, text="Alter Titel"))
        tag.add(TPE1(encoding=0, text="Old artist"))
        tag.add(TRCK(encoding=0, text="3/12"))
        tag.add(USLT(encoding=1, lang="eng", desc="", text="la la"))
        tag.add(TXXX(encoding=1, desc="REPLAYGAIN_TRACK_GAIN", text="-6.5 dB"))
        tag.add(PRIV(owner="x", data=b"\xff\x00\xff\xe0"))
        tag.add(COMM(encoding=1, lang="eng", desc="iTunNORM", text="0000"))
        if picture:
            tag.add(APIC(encoding=0, mime="image/jpeg", type=3, desc="", data=os.urandom(picture)))
        tag.save(path, v1=0, v2_version=version, padding=lambda info: padding)
        if unsync:
            unsynchronise(path)
    open(path, "ab").write(TRAILER)
    return path


def others(path):
    return {k: repr(v) for k, v in ID3(path, load_v1=False).items() if k not in SEVEN}


def audio_of(path):
    data = open(path, "rb").read()
    return data[data.index(AUDIO[:4]) : -128]


def run(*args, status=0):
    done = subprocess.run([cli, *args], env=env, capture_output=True, text=True)
    check(done.returncode == status, "%s: status %d: %s" % (args[0], done.returncode, done.stderr))
    return done.stdout


cases = {
    "v23-padded": make("v23-padded", 3, 2048),
    "v24-bare": make("v24-bare", 4, 0),
    "v23-unsync": make("v23-unsync", 3, 0, unsync=True),
    "v24-picture": make("v24-picture", 4, 0, picture=30 * 1024 * 1024),
    "untagged": make("untagged", 4, 0, tagged=False),
}
originals = {name: open(path, "rb").read() for name, path in cases.items()}
files = list(cases.values())
before = {name: others(path) for name, path in cases.items() if name != "untagged"}

run("write", "--id3v2", "--title", "Neuer Titel", "--artist", "Ärtist", "--album", "B",
    "--year", "2024", "--comment", "C", "--genre", "Rock", "--track", "7", *files, files[0])
for name, path in cases.items():
    tag = ID3(path, load_v1=False)
    version = 4 if name in ("untagged", "v24-bare", "v24-picture") else 3
    check(tag.version[1] == version, "%s: version %s" % (name, tag.version))
    year = tag.get("TDRC") or tag.get("TYER")
    values = [str(tag.get(k)) for k in ("TIT2", "TPE1", "TALB", "TCON", "TRCK")]
    values += [str(year), str(tag.get("COMM::eng"))]
    expected = ["Neuer Titel", "Ärtist", "B", "Rock", "7" if name == "untagged" else "7/12"]
    check(values == expected + ["2024", "C"], "%s: values %s" % (name, values))
    check(name == "untagged" or others(path) == before[name], name + ": other frames changed")
    check(audio_of(path) == AUDIO, name + ": audio changed")
    trailer = open(path, "rb").read()[-128:]
    check(trailer[:3 + 11] == b"TAGNeuer Titel", name + ": ID3v1 title not written")
run("undo")
for name, path in cases.items():
    check(open(path, "rb").read() == originals[name], name + ": not put back by the undo")

run("clear", "--id3v2", *files)
for name in before:
    tag = ID3(cases[name], load_v1=False)
    check(not any(k in tag for k in SEVEN), name + ": a field left by clear")
    check(others(cases[name]) == before[name], name + ": clear changed other frames")
run("undo")
run("copy-v1", *files)
for name, path in cases.items():
    title = str(ID3(path, load_v1=False).get("TIT2"))
    check(title == "Old v1 title", name + ": copy-v1 title " + title)
run("undo")
for name, path in cases.items():
    check(open(path, "rb").read() == originals[name], name + ": not put back after clear/copy")

# a file whose tag does not fit in place is refused rather than parted from its second name
os.link(cases["v24-bare"], os.path.join(work, "second-name.mp3"))
out = run("write", "--id3v2", "--title", "A much longer title", cases["v24-bare"], status=1)
check("failed:31" in out, "hard link: " + out)
check(open(cases["v24-bare"], "rb").read() == originals["v24-bare"], "hard link: file changed")

# a tag that claims more bytes than its file holds is refused as unreadable, the file left whole
damaged = os.path.join(work, "claims-more.mp3")
open(damaged, "wb").write(b"ID3\x04\0\0\x7f\x7f\x7f\x7f" + AUDIO + TRAILER)
out = run("write", "--id3v2", "--title", "X", damaged, status=1)
check("failed:84" in out, "damaged tag: " + out)
check(open(damaged, "rb").read()[:10] == b"ID3\x04\0\0\x7f\x7f\x7f\x7f", "damaged tag: changed")

# a dry run refuses what the run would: a file without a write bit, also for the superuser
os.chmod(cases["v23-padded"], 0o444)
out = run("copy-v1", "--dry-run", cases["v23-padded"], status=1)
check("failed:13" in out, "read-only dry run: " + out)

print("\n".join(failures) or "all files read back as written")
sys.exit(1 if failures else 0)
