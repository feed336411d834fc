#!/usr/bin/env bash
# Kills batches at random and checks that an undo puts every file back: ROUNDS times (default
# 100) a write, clear (both with and without their ID3v2 tags), copy-v1, rename or extraction over N synthetic MP3 files (default 2000) is started
# and killed with SIGKILL after a random delay; every fourth round the batch runs whole and its
# undo is the one killed. Then `cantrel-cli undo` runs (again) and the folder must hold the same
# names, bytes and modification times as before. Prints one line per round and a summary; exit
# status 1 when any round left a file changed.
#
#   scripts/kill_check.sh BUILD_DIR [ROUNDS] [N]
set -euo pipefail
cli="$(cd "$1" && pwd)/cantrel-cli"
rounds="${2:-100}"
count="${3:-2000}"
work="$(mktemp -d)"
keep=0
trap '[ "$keep" = 1 ] || rm -rf "$work"' EXIT
export XDG_STATE_HOME="$work/state"
mkdir -p "$work/music"
"$(dirname "$0")/undo_corpus.py" "$work/music" "$count"
snapshot() {
    (cd "$work/music" && find . -type f -printf '%p %T@ %s\n' | sort && find . -type d | sort && find . -type f -print0 |
        sort -z | xargs -0 md5sum)
}
before="$(snapshot)"
echo "$before" >"$work/before.txt"
mapfile -t names < <(cd "$work/music" && ls)
batches=(
    "write --title New --artist Someone"
    "write --id3v2 --title New --artist Someone"
    "clear"
    "clear --id3v2"
    "copy-v1"
    "rename %a,t%\\%t,t%\\%tr,t%"
    "extract --sep %NONE --field Track --sep - --field Artist --sep %END --write"
)
# Starts the command in the music folder, kills it after a random 0 to 0.4 seconds; prints
# whether it was still running.
kill_at_random() {
    (cd "$work/music" && exec "$cli" "$@" >/dev/null 2>&1) &
    local pid=$!
    sleep "0.$(printf '%03d' $((RANDOM % 400)))"
    if kill -KILL "$pid" 2>/dev/null; then
        echo killed
    else
        echo finished
    fi
    wait "$pid" 2>/dev/null || true
}
failed=0
for ((round = 1; round <= rounds; round++)); do
    read -r -a batch <<<"${batches[RANDOM % ${#batches[@]}]}"
    if ((round % 4 == 0)); then
        (cd "$work/music" && "$cli" "${batch[@]}" "${names[@]}" >/dev/null 2>&1) || true
        what="undo of ${batch[0]} $(kill_at_random undo)"
    else
        what="${batch[0]} $(kill_at_random "${batch[@]}" "${names[@]}")"
    fi
    status=0
    "$cli" undo >/dev/null 2>"$work/undo.err" || status=$?
    if [ "$(snapshot)" != "$before" ]; then
        echo "round $round: $what: files differ after the undo (status $status)"
        head -3 "$work/undo.err"
        echo "the folder and its journal are kept in $work"
        keep=1
        failed=$((failed + 1))
        break # the next rounds would start from changed files
    fi
    echo "round $round: $what: put back (undo status $status)"
done
echo "$((round > rounds ? rounds : round)) rounds, $failed left files changed"
[ "$failed" -eq 0 ]
