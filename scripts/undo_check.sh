#!/usr/bin/env bash
# Checks the undo journal end to end with the command-line program, each undo in a process of its
# own (as after a restart): a write, a clear (both also with the ID3v2 tags), a copy-v1, a rename into new subfolders and an extraction
# over N synthetic MP3 files (default 1000) are each undone, and the folder must then hold the
# same names with the same bytes and modification times as before. The journal of each batch must
# hold the intent of every changed file ahead of its done mark. Prints one line per batch kind
# with its time.
#
#   scripts/undo_check.sh BUILD_DIR [N]
set -euo pipefail
cli="$(cd "$1" && pwd)/cantrel-cli"
count="${2:-1000}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
export XDG_STATE_HOME="$work/state"
mkdir -p "$work/music"
"$(dirname "$0")/undo_corpus.py" "$work/music" "$count"
snapshot() {
    (cd "$work/music" && find . -type f -printf '%p %T@\n' | sort && find . -type f -print0 | sort -z |
        xargs -0 md5sum)
}
# The newest journal: every "d" line's file has its "i" line before it; prints what is wrong.
intents_ahead() {
    python3 - "$XDG_STATE_HOME/Velmor/Cantrel/journal" <<'PY'
import os, sys
folder = sys.argv[1]
newest = max(n for n in os.listdir(folder) if n.endswith(".journal"))
intended, marks = set(), 0
for line in open(os.path.join(folder, newest), "rb").read().split(b"\n"):
    kind, _, rest = line.partition(b" ")
    if kind == b"i":
        intended.add(rest.split(b" ")[0])
    elif kind == b"d":
        marks += 1
        if rest.split(b" ")[0] not in intended:
            print("mark without an intent before it:", line[:40])
            break
if marks == 0:
    print("no marks")
PY
}
before="$(snapshot)"
failed=0
check() {
    local kind="$1"
    shift
    local start=$SECONDS
    (cd "$work/music" && "$cli" "$@" >/dev/null 2>&1) || true
    local changed="$(snapshot)"
    local intents="$(intents_ahead)"
    [ -z "$intents" ] || { echo "$kind: $intents"; failed=1; }
    "$cli" undo >/dev/null || { echo "$kind: undo failed"; failed=1; }
    if [ "$(snapshot)" != "$before" ]; then
        echo "$kind: files differ after the undo"
        failed=1
    elif [ "$changed" = "$before" ]; then
        echo "$kind: the batch changed nothing"
        failed=1
    else
        echo "$kind: $count files put back ($((SECONDS - start)) s with the batch)"
    fi
}
files() { (cd "$work/music" && ls); }
mapfile -t names < <(files)
check write write --title New --artist Someone "${names[@]}"
check clear clear "${names[@]}"
check "write --id3v2" write --id3v2 --title New --artist Someone "${names[@]}"
check "clear --id3v2" clear --id3v2 "${names[@]}"
check copy-v1 copy-v1 "${names[@]}"
check rename rename '%a,t%\%t,t%\%tr,t%' "${names[@]}"
check extract extract --sep '%NONE' --field Track --sep ' - ' --field Artist --sep ' - ' \
    --field Title --sep '%END' --write "${names[@]}"
exit $failed
