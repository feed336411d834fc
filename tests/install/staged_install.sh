#!/usr/bin/env bash
# staged_install.sh BUILD STAGE: installs the build below STAGE (DESTDIR, prefix /usr) and runs
# the installed programs from there, far from the build tree's own templates.
set -euo pipefail
build=$1
stage=$2
rm -rf "$stage"
mkdir -p "$stage/work"
DESTDIR="$stage/root" cmake --install "$build" --prefix /usr >/dev/null
root=$stage/root/usr
work=$stage/work

fail() { echo "FAIL: $*" >&2; exit 1; }

for file in bin/cantrel bin/cantrel-cli share/cantrel/HTML/_songs.htm share/cantrel/HTML/_tags.htm \
    share/applications/example.velmor.Cantrel.desktop \
    share/metainfo/example.velmor.Cantrel.metainfo.xml \
    share/icons/hicolor/scalable/apps/cantrel.svg share/icons/hicolor/48x48/apps/cantrel.png \
    share/icons/hicolor/256x256/apps/cantrel.png share/man/man1/cantrel.1 \
    share/man/man1/cantrel-cli.1 share/bash-completion/completions/cantrel-cli; do
    [ -s "$root/$file" ] || fail "$file is not installed"
done

# one MPEG-1 Layer III frame of 128 kbit/s, 44100 Hz, three times
frame() { printf '\xff\xfb\x90\x00'; head -c 413 /dev/zero; }
mkdir -p "$work/music"
{ frame; frame; frame; } >"$work/music/song.mp3"

# the catalogue takes the installed templates when none are given
(cd "$work" && "$root/bin/cantrel-cli" html --target "$work/site" "$work/music/song.mp3" \
    >"$work/html.out" 2>&1) || fail "cantrel-cli html: $(cat "$work/html.out")"
cmp -s "$root/share/cantrel/HTML/catalogue.css" "$work/site/HTML/catalogue.css" ||
    fail "the installed templates were not copied"
[ -s "$work/site/HTML/_songs.htm" ] || fail "no songs page"

# the program opens the folder given to it: it is stored at once as the newest recent folder
export XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=offscreen
"$root/bin/cantrel" "$work/music" >"$work/gui.out" 2>&1 &
pid=$!
for _ in $(seq 100); do
    grep -qs "$work/music" "$XDG_CONFIG_HOME/Velmor/Cantrel.conf" && break
    kill -0 "$pid" 2>/dev/null || fail "cantrel ended: $(cat "$work/gui.out")"
    sleep 0.1
done
kill "$pid"
wait "$pid" 2>/dev/null || true
grep -qs "$work/music" "$XDG_CONFIG_HOME/Velmor/Cantrel.conf" || fail "the folder was not opened"
echo "installed programs run from $root"
