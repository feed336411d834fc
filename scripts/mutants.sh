#!/usr/bin/env bash
# Plants one deliberate fault at a time in the core, the settings, the command line and the
# windows, rebuilds only the test program that guards that code, runs it, and reports whether the
# tests caught the fault. GoogleTest programs end in _tests, window test programs in _test.
#
#   scripts/mutants.sh [BUILD_DIR]      (default: build-mutants)
#
# CANTREL_MUTANTS_ONLY=REGEX plants only the faults whose test program matches REGEX;
# CANTREL_MUTANTS_PICK=LIST only those at the given places of the list below, counted from 1
# (the number each result line starts with), as in "3,40-52".
#
# Every source file is restored after its run, also when the script is interrupted. The last
# line says how many faults were caught; the exit status is 1 when any was missed or could not be
# planted (its text is no longer in the file exactly once).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-mutants}
jobs=${CANTREL_MUTANTS_JOBS:-2}

# file @ test program @ text to replace (must occur exactly once) @ replacement
mutants=(
    'engine/mpeg_header.cpp@engine_tests@& 1) == 0; // the protection bit@& 1) != 0; // the protection bit'
    'engine/date_time.cpp@engine_tests@time.Year > 2107@time.Year > 2108'
    'engine/utf8.cpp@engine_tests@lead == 0xED && second > 0x9F@lead == 0xED && second > 0xA0'
    'engine/mpeg_analysis.cpp@engine_tests@pos % 300 == 0@pos % 301 == 0'
    'engine/mpeg_analysis.cpp@engine_tests@info.st_size <= 5@info.st_size < 5'
    'engine/tag_file.cpp@engine_tests@length <= static_cast<off_t>(TagTrailerSize)@length < static_cast<off_t>(TagTrailerSize)'
    'engine/tag_record.cpp@engine_tests@trailer[TrackOffset] = tag.Track;@if (tag.Track != 0) { trailer[TrackOffset] = tag.Track; }'
    'engine/format_items.cpp@engine_tests@MaxItemLength = 4096@MaxItemLength = 4095'
    'scan/file_mask.cpp@scan_tests@name.size() >= size@name.size() > size'
    'scan/tree_scanner.cpp@scan_tests@result.size() > 1 && result.back()@result.size() > 0 && result.back()'
    'scan/tree_scanner.cpp@scan_tests@if (Recursive) {@if (!Recursive) {'
    'extract/extraction_batch.cpp@cli_tests@if (file.Incomplete) {@if (false && file.Incomplete) {'
    'cli/json_output.cpp@cli_tests@(byte < 0x20 || byte >= 0x80)@(byte < 0x1F || byte >= 0x80)'
    'extract/value_rules.cpp@extract_tests@p == std::string::npos || CharsFrom(text, p) >= limit@p == std::string::npos || CharsFrom(text, p) > limit'
    'extract/extract_values.cpp@extract_tests@static_cast<unsigned char>(c) <= 32@static_cast<unsigned char>(c) < 32'
    'catalogue/song_values.cpp@catalogue_tests@now.Month <= 12@now.Month < 12'
    'catalogue/html_generator.cpp@catalogue_tests@if (StartsWith(templates, pages)) {@if (false) {'
    'engine/tag_values.cpp@batch_tests@if (value > 255) {@if (value >= 255) {'
    'batch/rename_file.cpp@batch_tests@return code == EEXIST ? ENOTDIR : code;@return code;'
    'journal/file_states.cpp@journal_tests@info.st_size) - TagTrailerSize);@info.st_size) - TagTrailerSize + 1);'
    'journal/journal_session.cpp@journal_tests@begin + ChunkFiles);@begin + ChunkFiles - 1);'
    'batch/batch_run.cpp@journal_tests@ahead.push_back(reader.ReadNext(control.Yield));@ahead.push_back(reader.ReadNext(control.Yield)); ahead.back()();'
    'workspace/options.cpp@workspace_tests@options.LowBitRate <= bitRate@options.LowBitRate < bitRate'
    'workspace/display_texts.cpp@workspace_tests@track < 10 ?@track <= 10 ?'
    'workspace/workspace.cpp@workspace_tests@list.SelectedItems > 0 ?@list.SelectedItems > 1 ?'
    'workspace/key_map.cpp@workspace_tests@index >= ExtractionDigits@index > ExtractionDigits'
    'settings/registry.cpp@settings_tests@value_or(0) != 0@value_or(1) != 0'
    'settings/stored_settings.cpp@settings_tests@index < total &&@index <= total &&'
    'ui/main/main_window_scan.cpp@main_window_display_test@BitRateErrorsFound = true@BitRateErrorsFound = false'
    'ui/main/main_window_display.cpp@main_window_display_test@ExceedsCdLimit(length)@ExceedsCdLimit(length + 1)'
    'ui/components/browse_directory_dlg.cpp@components_test@parent == folder || parent == QDir::rootPath()@parent == folder'
    'ui/components/form_info.cpp@components_test@width <= 0 || height <= 0@height <= 0'
    'ui/auxiliary/progress_window.cpp@auxiliary_test@position + 1 < range@position < range'
    'ui/auxiliary/macro_list_window.cpp@auxiliary_test@std::min(index, MacroListBox->count() - 1)@index'
    'ui/auxiliary/settings_window.cpp@auxiliary_test@if (field > 0) {@if (field >= 0) {'
    'ui/extract/extraction_formula_list.cpp@extraction_window_test@>= MaxFormulaCount@> MaxFormulaCount'
    'ui/extract/replace_dialog.cpp@extraction_window_test@? index : -1;@? index : 0;'
    'ui/html/html_window.cpp@html_window_test@QLatin1String("*.*") ? QStringLiteral("*")@QLatin1String("*.*") ? QStringLiteral("*.*")'
    # cantrel-cli itself, as the transcripts run it: the dispatch of main.cpp, its exit statuses,
    # the option grammar and the plain lines
    'cli/main.cpp@cli_tests@{"rename", RunRenameCommand}@{"rename", RunCopyV2Command}'
    'cli/main.cpp@cli_tests@return RunCommandLine(entry.Name, entry.Run, args, std::cout, std::cerr);@return RunCommandLine(entry.Name, entry.Run, args, std::cout, std::cerr) == 2 ? 2 : 0;'
    'cli/main.cpp@cli_tests@return argc < 2 ? 2 : 0;@return 0;'
    'cli/command_line.cpp@cli_tests@it->size() > 3 &&@it->size() > 300 &&'
    'cli/file_report.cpp@cli_tests@: LineText(std::get<std::string>(fields[i].second)));@: std::get<std::string>(fields[i].second));'
    # lookup tables: an entry in the middle, a code page read with another one's table
    'engine/mpeg_header.cpp@engine_tests@256, 320, 384, 0}@265, 320, 384, 0}'
    'engine/mpeg_header.cpp@engine_tests@176, 192, 224@167, 192, 224'
    'engine/mpeg_header.cpp@engine_tests@{22050, 24000, 16000, 0}@{22050, 24000, 32000, 0}'
    'engine/code_page.cpp@engine_tests@make_unique<const TCodePage>(CodePages[index].Name)@make_unique<const TCodePage>(CodePages[index == 9 ? 2 : index].Name)'
    'engine/genre_names.cpp@engine_tests@"Hard Rock"@"Hard Roc"'
    # stream rules: ID3v2.4 tags before the stream, frames of different bit rates
    'engine/mpeg_analysis.cpp@engine_tests@header[3] <= 4@header[3] <= 3'
    'engine/mpeg_analysis.cpp@engine_tests@((header[5] & 0x10) != 0 ? 10 : 0)@((header[5] & 0x10) != 0 && header[3] == 3 ? 10 : 0)'
    'engine/mpeg_analysis.cpp@engine_tests@accepted(BigEndian(nextBytes), second)) {@accepted(BigEndian(nextBytes), second) && second.BitRate == first.BitRate) {'
    # the 30-character limit of each text field
    'engine/tag_record.cpp@engine_tests@PutField(trailer, AlbumOffset, tag.Album, TagTextLimit, codePage);@PutField(trailer, AlbumOffset, tag.Album, TagTextLimit + 1, codePage);'
    'engine/tag_record.cpp@engine_tests@tag.Album = FieldText(trailer, AlbumOffset, TagTextLimit, codePage);@tag.Album = FieldText(trailer, AlbumOffset, TagTextLimit - 1, codePage);'
    'engine/mpeg_audio.cpp@engine_tests@Comment = Utf8Left(text, TagTextLimit);@Comment = Utf8Left(text, TagTextLimit + 1);'
    'batch/tag_write.cpp@batch_tests@edits.Album = Utf8Left(field.Text, TagTextLimit);@edits.Album = Utf8Left(field.Text, TagTextLimit + 1);'
    'extract/extract_values.cpp@extract_tests@{"Comment  = ", TagTextLimit},@{"Comment  = ", TagTextLimit + 1},'
    # each check of the journal's record reader
    'journal/journal_file.cpp@journal_tests@fields.size() == 5 && fields[0] == "f"@fields.size() >= 5 && fields[0] == "f"'
    'journal/journal_file.cpp@journal_tests@!kind || kind->empty() ||@!kind ||'
    'journal/journal_file.cpp@journal_tests@if (fields[0] == "d" && fields.size() >= 5) {@if (fields.size() >= 5) {'
    'journal/journal_file.cpp@journal_tests@!Number(fields[1], index)@(Number(fields[1], index), false)'
    "journal/journal_file.cpp@journal_tests@if (!path || path->empty() || path->front() != '/') {@if (!path || path->empty()) {"
    # the rename fallback of file systems without a no-replace rename
    'batch/rename_file.cpp@batch_tests@if (link(oldPath.c_str(), newPath.c_str()) != 0) {@if (rename(oldPath.c_str(), newPath.c_str()) != 0) {'
    # window wiring: busy states, the prompts' defaults, a check box feeding a batch
    'ui/main/command_strip.cpp@main_window_commands_test@command->setEnabled(enabled);@command->setEnabled(true);'
    'ui/main/file_list_menu.cpp@html_window_test@CopyId3v2Item->setEnabled(enabled);@CopyId3v2Item->setEnabled(true);'
    'ui/components/qt_prompts.cpp@components_test@QMessageBox::No) == QMessageBox::Yes;@QMessageBox::Yes) == QMessageBox::Yes;'
    'ui/extract/extraction_preview.cpp@extraction_window_test@Work.Options.AutoTrimSpaces = checked;@static_cast<void>(checked); Work.Options.AutoTrimSpaces = false;'
    # case rules: a Latin-1 fold damages the lead bytes of three- and four-byte characters
    "engine/ascii_text.cpp@extract_tests@c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;@(c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0xE0 ? static_cast<char>(c - 0x20) : c;"
    # settings: a value stored under another value's name
    'settings/stored_settings.cpp@settings_tests@batch.WriteBool(AutoTrimSpacesKey, options.AutoTrimSpaces);@batch.WriteBool(AutoTrimSpacesKey, options.ExcludeIfWarning);'
    'settings/stored_settings.cpp@settings_tests@{PlacementTop, placement.Top},@{PlacementTop, placement.Height},'
    # the undo journal's intents, and the undo that reads them
    'engine/change_intent.cpp@journal_tests@return intent.Size >= 0 ? AnnounceChange(intent) : 0;@return 0;'
    'batch/rename_file.cpp@journal_tests@return AnnounceChange(intent);@return 0;'
    'journal/journal_file.cpp@journal_tests@entry.Intended = before &&@entry.Intended = false &&'
    'journal/undo_batch.cpp@journal_tests@if (now.Size + TrailerBytes == before.Size && before.Trailer) {@if (false) {'
    'journal/undo_batch.cpp@journal_tests@if (earlier != nullptr && earlier->Done) {@if (false) {'
    'journal/undo_batch.cpp@journal_tests@if (code = file.SetModified(before.ModifiedNs); code != 0) {@if (file.SetModified(before.ModifiedNs); false) {'
    'journal/undo_batch.cpp@journal_tests@takenBack.insert(batch.Undoes);@;'
    # batches that take turns on a file: the lock, the look after it, the intent only after the look
    'engine/tag_file.cpp@batch_tests@if (flock(fd, LOCK_EX | LOCK_NB) == 0) {@if (flock(fd, LOCK_EX | LOCK_NB) == 0 || fd >= 0) {'
    'batch/locked_change.cpp@batch_tests@if (seen && open.State() != seen) {@if (false) {'
    'batch/id3v2_copy.cpp@batch_tests@: !blank(own.*v1);@: blank(own.*v1);'
    'engine/head_delta.cpp@engine_tests@if (HeadSum(old) != delta.OldSum) {@if (false) {'
    'engine/id3v2_edit.cpp@engine_tests@replaced[field] = true;@replaced[field] = false;'
    'batch/id3v2_copy.cpp@batch_tests@if (mine && theirs && *mine != *theirs) {@if (mine && theirs) {'
    'ui/main/tag_boxes.cpp@main_window_id3v2_test@font.setBold(disagreeing[i]);@font.setBold(false);'
    'batch/locked_change.cpp@batch_tests@AnnounceTrailerChange(open.State(), leaves, head ? &*head : nullptr, !change);@0;'
)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" "${launcher[@]}" >/dev/null

backup=$(mktemp)
current=
restore()
{
    if [ -n "$current" ]; then
        cp "$backup" "$current"
        current=
    fi
}
trap 'restore; rm -f "$backup"' EXIT
trap 'exit 130' INT TERM

# True when place $1 of the list is picked (every place without CANTREL_MUTANTS_PICK).
picked()
{
    local range
    [ -z "${CANTREL_MUTANTS_PICK:-}" ] && return 0
    for range in ${CANTREL_MUTANTS_PICK//,/ }; do
        if [[ ! $range =~ ^([0-9]+)(-([0-9]+))?$ ]]; then
            echo "CANTREL_MUTANTS_PICK: '$range' is no number or range" >&2
            exit 2
        fi
        if [ "$1" -ge "${BASH_REMATCH[1]}" ] && [ "$1" -le "${BASH_REMATCH[3]:-${BASH_REMATCH[1]}}" ]; then
            return 0
        fi
    done
    return 1
}

caught=0
total=0
unplanted=0
place=0
for mutant in "${mutants[@]}"; do
    place=$((place + 1))
    IFS='@' read -r file target from to <<<"$mutant"
    [[ $target =~ ${CANTREL_MUTANTS_ONLY:-.} ]] || continue
    picked "$place" || continue
    cp "$file" "$backup"
    current=$file
    if ! python3 - "$file" "$from" "$to" <<'PY'; then
import sys
path, old, new = sys.argv[1:]
text = open(path, encoding="utf-8").read()
if text.count(old) != 1:
    sys.exit(f"{path}: '{old}' occurs {text.count(old)} times")
open(path, "w", encoding="utf-8").write(text.replace(old, new))
PY
        restore
        printf '%3d %-15s %-26s %s\n' "$place" "NOT PLANTED" "$file" "$from"
        unplanted=$((unplanted + 1))
        continue
    fi
    total=$((total + 1))
    log="$build/mutant-$place.log"
    if ! cmake --build "$build" -j"$jobs" --target "$target" >"$log" 2>&1; then
        result="caught (build)"
        caught=$((caught + 1))
    elif (brief=()
          [[ $target == *_tests ]] && brief=(--gtest_brief=1)
          cd "$build/tests" && QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
              XDG_CONFIG_HOME="$PWD/config/mutants" "./$target" "${brief[@]}" >>"../${log##*/}" 2>&1); then
        result="MISSED"
    else
        result="caught"
        caught=$((caught + 1))
    fi
    restore
    printf '%3d %-15s %-26s %s -> %s\n' "$place" "$result" "$file" "$from" "$to"
done
echo "$caught of $total planted faults caught"
if [ "$unplanted" -gt 0 ]; then
    echo "$unplanted faults could not be planted: their text is not in the file exactly once"
fi
[ "$caught" -eq "$total" ] && [ "$unplanted" -eq 0 ]
