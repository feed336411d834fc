#include "journal/journal_file.h"

#include "engine/ascii_text.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view Magic = "cantrel-journal 2";
constexpr std::string_view MagicV1 = "cantrel-journal 1";
constexpr std::string_view Suffix = ".journal";
bool IsPlain(char c)
{
    const auto b = static_cast<unsigned char>(c);
    return b > 0x20 && b != '%' && b != 0x7F;
}

// Appends the bytes in their escaped form; plain stretches go over in one piece, since a batch
// writes tens of thousands of these.
void AppendEscaped(std::string& out, std::string_view bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t plain = i;
        while (plain < bytes.size() && IsPlain(bytes[plain])) {
            ++plain;
        }
        out.append(bytes.data() + i, plain - i);
        if (plain == bytes.size()) {
            return;
        }
        i = plain;
        std::size_t zeros = 0;
        while (zeros < 0xFF && i + zeros < bytes.size() && bytes[i + zeros] == '\0') {
            ++zeros;
        }
        if (zeros > 1) {
            // trailers are mostly zero bytes: a run of them is kept short
            out += "%z";
            AppendHexByte(out, static_cast<unsigned char>(zeros));
            i += zeros;
        } else {
            out += '%';
            AppendHexByte(out, static_cast<unsigned char>(bytes[i]));
            ++i;
        }
    }
}

void AppendNumber(std::string& out, std::int64_t value)
{
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(digits, end);
}

// Journals are written with upper-case digits only; any other text is no journal of ours.
int HexDigit(char c)
{
    return c == AsciiUpper(c) ? HexDigitValue(c) : -1;
}

std::optional<std::string> Unescape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        const bool zeros = i + 1 < text.size() && text[i + 1] == 'z';
        const std::size_t at = zeros ? i + 2 : i + 1;
        if (at + 1 >= text.size()) {
            return std::nullopt;
        }
        const int high = HexDigit(text[at]);
        const int low = HexDigit(text[at + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        out.append(zeros ? static_cast<std::size_t>(high * 16 + low) : 1,
                   zeros ? '\0' : static_cast<char>(high * 16 + low));
        i = at + 1;
    }
    return out;
}

std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const auto end = line.find(' ', start);
        fields.push_back(line.substr(start, end - start));
        if (end == std::string_view::npos) {
            return fields;
        }
        start = end + 1;
    }
}

// True when the whole text is a decimal number, then in `value`.
template <typename T> bool Number(std::string_view text, T& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

void AppendTrailer(std::string& out, const std::optional<TTagTrailer>& trailer)
{
    if (trailer) {
        AppendEscaped(out, {reinterpret_cast<const char*>(trailer->data()), TagTrailerSize});
    } else {
        out += '-';
    }
}

void AppendState(std::string& out, const TFileState& state)
{
    AppendNumber(out, state.Size);
    out += ' ';
    AppendNumber(out, state.ModifiedNs);
    out += ' ';
    AppendTrailer(out, state.Trailer);
}

// A trailer field; false when it is damaged.
bool ParseTrailer(std::string_view field, std::optional<TTagTrailer>& trailer)
{
    trailer.reset();
    if (field == "-") {
        return true;
    }
    const auto bytes = Unescape(field);
    if (!bytes || bytes->size() != TagTrailerSize) {
        return false;
    }
    trailer.emplace();
    std::copy(bytes->begin(), bytes->end(), trailer->begin());
    return true;
}

// The three fields from `at` on.
std::optional<TFileState> ParseState(const std::vector<std::string_view>& fields, std::size_t at)
{
    TFileState state;
    if (fields.size() < at + 3 || !Number(fields[at], state.Size) ||
        !Number(fields[at + 1], state.ModifiedNs) || !ParseTrailer(fields[at + 2], state.Trailer)) {
        return std::nullopt;
    }
    return state;
}

// An absolute path field.
std::optional<std::string> ParsePath(std::string_view field)
{
    auto path = Unescape(field);
    if (!path || path->empty() || path->front() != '/') {
        return std::nullopt;
    }
    return path;
}

// The new path and its folders from field `at` on; false when one is damaged.
bool ParseMove(const std::vector<std::string_view>& fields, std::size_t at, std::string& newPath,
               std::vector<std::string>& folders)
{
    newPath.clear();
    folders.clear();
    for (std::size_t k = at; k < fields.size(); ++k) {
        const auto path = ParsePath(fields[k]);
        if (!path) {
            return false;
        }
        (k == at ? newPath : folders.emplace_back()) = *path;
    }
    return true;
}

void AppendMove(std::string& line, const std::string& newPath,
                const std::vector<std::string>& folders)
{
    if (!newPath.empty()) {
        line += ' ';
        AppendEscaped(line, newPath);
        for (const std::string& folder : folders) {
            line += ' ';
            AppendEscaped(line, folder);
        }
    }
}

// The value of a "NAME VALUE" header line.
std::optional<std::string_view> HeaderValue(std::string_view line, std::string_view name)
{
    if (line.size() <= name.size() || line.compare(0, name.size(), name) != 0 ||
        line[name.size()] != ' ') {
        return std::nullopt;
    }
    return line.substr(name.size() + 1);
}

// The "h" line's fields after its index: the old head whole, in a copy ("@") or told by its
// delta from the new head.
bool ParseHeadLine(const std::vector<std::string_view>& fields, TJournalEntry& entry)
{
    const std::string_view oldField = fields[3];
    const auto old =
        oldField == "-" || oldField == "@" ? std::optional<std::string>() : Unescape(oldField);
    if (!Number(fields[2], entry.HeadNewLength) || (!old && oldField != "-" && oldField != "@")) {
        return false;
    }
    entry.HeadChanged = true;
    if (fields.size() == 4) {
        entry.HeadOld = old.value_or(std::string());
        entry.HeadCopy = oldField == "@" ? "@" : "";
        return true;
    }
    THeadDelta delta;
    delta.Middle = old.value_or(std::string());
    const auto hex = [](std::string_view text, std::uint64_t& value) {
        const auto [end, error] =
            std::from_chars(text.data(), text.data() + text.size(), value, 16);
        return error == std::errc() && end == text.data() + text.size() && !text.empty();
    };
    if (oldField == "@" || !Number(fields[4], delta.Prefix) || !Number(fields[5], delta.SuffixAt) ||
        !Number(fields[6], delta.Suffix) || !Number(fields[7], delta.Zeros) ||
        !hex(fields[8], delta.OldSum)) {
        return false;
    }
    entry.OldHeadDelta = std::move(delta);
    return true;
}

// One line after the "f" lines; false when it is damaged.
bool ParseChangeLine(const std::vector<std::string_view>& fields, bool second, TJournalBatch& batch)
{
    std::size_t index = 0;
    if (fields[0] == "e" && fields.size() == 1 && second) {
        batch.Finished = true;
        return true;
    }
    if (fields.size() < 2 || !Number(fields[1], index) || index >= batch.Entries.size()) {
        return false;
    }
    TJournalEntry& entry = batch.Entries[index];
    if (fields[0] == "d" && fields.size() >= 5) {
        const auto state = ParseState(fields, 2);
        entry.Done = state.has_value();
        entry.After = state.value_or(TFileState{});
        return state && ParseMove(fields, 5, entry.NewPath, entry.NewFolders);
    }
    if (!second) {
        return false;
    }
    if (fields[0] == "h" && (fields.size() == 4 || fields.size() == 9)) {
        return ParseHeadLine(fields, entry);
    }
    if (fields[0] == "n" && fields.size() == 2) {
        entry.Refused = true;
        return true;
    }
    if (fields[0] == "i" && fields.size() >= 7) {
        const auto before = ParseState(fields, 4);
        entry.Intended = before && Number(fields[2], entry.IntentSize) &&
                         ParseTrailer(fields[3], entry.IntentTrailer);
        entry.IntentBefore = before.value_or(TFileState{});
        return entry.Intended && ParseMove(fields, 7, entry.IntentPath, entry.IntentFolders);
    }
    return false;
}

std::string ParseBody(const std::vector<std::string_view>& lines, TJournalBatch& batch)
{
    if (lines.size() < 4 || (lines[0] != Magic && lines[0] != MagicV1)) {
        return "not a journal file";
    }
    const bool second = lines[0] == Magic;
    const auto kind = HeaderValue(lines[1], "kind");
    const auto time = HeaderValue(lines[2], "time");
    std::size_t at = 3;
    if (const auto undoes = second ? HeaderValue(lines[at], "undoes") : std::nullopt) {
        if (!Number(*undoes, batch.Undoes) || batch.Undoes <= 0) {
            return "its heading is damaged";
        }
        ++at;
    }
    const auto count = at < lines.size() ? HeaderValue(lines[at++], "files") : std::nullopt;
    std::size_t files = 0;
    if (!kind || kind->empty() || !time || !Number(*time, batch.Time) || !count ||
        !Number(*count, files) || files > lines.size() - at) {
        return "its heading is damaged";
    }
    batch.Kind = *kind;
    batch.Finished = !second; // older files do not say
    for (std::size_t i = 0; i < files; ++i) {
        const auto fields = Fields(lines[at + i]);
        const auto path =
            fields.size() == 5 && fields[0] == "f" ? ParsePath(fields[1]) : std::nullopt;
        const auto state = ParseState(fields, 2);
        if (!path || !state) {
            return "file line " + std::to_string(i + 1) + " is damaged";
        }
        batch.Entries.push_back({});
        batch.Entries.back().Path = *path;
        batch.Entries.back().Before = *state;
    }
    for (std::size_t i = at + files; i < lines.size(); ++i) {
        if (!ParseChangeLine(Fields(lines[i]), second, batch)) {
            return "mark " + std::to_string(i + 1 - at - files) + " is damaged";
        }
    }
    return {};
}

// The whole content of a batch file; empty, or why it cannot be read. Only a regular file is
// read, opened without blocking and without following a link: a pipe, folder or link with a batch
// file's name must not stall or mislead the undo.
std::string ReadWhole(const std::string& file, std::string& whole)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW);
    if (fd < 0) {
        return errno == ELOOP ? "not a regular file" : "cannot be read";
    }
    struct stat info = {};
    std::string damage;
    if (fstat(fd, &info) != 0) {
        damage = "cannot be read";
    } else if (!S_ISREG(info.st_mode)) {
        damage = "not a regular file";
    }
    char block[65536];
    while (damage.empty()) {
        const ssize_t n = ::read(fd, block, sizeof block);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            damage = "cannot be read";
        }
        if (n <= 0) {
            break;
        }
        whole.append(block, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return damage;
}

} // namespace

std::size_t TJournalBatch::DoneCount() const
{
    return static_cast<std::size_t>(
        std::count_if(Entries.begin(), Entries.end(), [](const auto& e) { return e.Done; }));
}

std::size_t TJournalBatch::ChangedCount() const
{
    return static_cast<std::size_t>(std::count_if(Entries.begin(), Entries.end(),
                                                  [](const auto& e) { return e.MayBeChanged(); }));
}

std::string JournalFolder(const char* stateHome, const char* home)
{
    const std::string below = "/Velmor/Cantrel/journal";
    if (stateHome != nullptr && stateHome[0] == '/') {
        return stateHome + below;
    }
    if (home != nullptr && home[0] == '/') {
        return home + ("/.local/state" + below);
    }
    return {};
}

std::vector<std::string> JournalFiles(const std::string& folder)
{
    std::vector<std::pair<int, std::string>> found;
    DIR* dir = folder.empty() ? nullptr : opendir(folder.c_str());
    if (dir == nullptr) {
        return {};
    }
    while (const dirent* item = readdir(dir)) {
        const std::string name = item->d_name;
        if (const int number = JournalNumber(name); number != 0) {
            found.emplace_back(number, folder + "/" + name);
        }
    }
    closedir(dir);
    std::sort(found.begin(), found.end(), std::greater<>());
    std::vector<std::string> files;
    for (auto& [number, file] : found) {
        files.push_back(std::move(file));
    }
    return files;
}

int JournalNumber(const std::string& file)
{
    // Only the names the journal gives count: "%06d.journal" of 1..JournalLastNumber. Anything
    // else (more digits, a sign, leading zeros beyond six digits, a number past the last) names no
    // batch, so no file in the folder can make the next number overflow or two files one batch.
    const std::string_view name = std::string_view(file).substr(file.find_last_of('/') + 1);
    if (!name.ends_with(Suffix)) {
        return 0;
    }
    const std::string_view digits = name.substr(0, name.size() - Suffix.size());
    int number = 0;
    if (digits.size() < 6 || digits.size() > 9 ||
        digits.find_first_not_of("0123456789") != std::string_view::npos ||
        (digits.size() > 6 && digits[0] == '0') || !Number(digits, number)) {
        return 0;
    }
    return number;
}

void PruneJournal(const std::string& folder)
{
    const std::vector<std::string> files = JournalFiles(folder);
    for (std::size_t i = JournalKeep; i < files.size(); ++i) {
        ::unlink(files[i].c_str());
    }
    if (files.size() <= static_cast<std::size_t>(JournalKeep)) {
        return;
    }
    // the old heads kept beside the batches that are gone go with them
    const int oldest = JournalNumber(files[JournalKeep - 1]);
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* item = readdir(dir)) {
        const std::string_view name = item->d_name;
        const auto cut = name.find(".head-");
        const int number =
            cut != std::string_view::npos ? JournalNumber(std::string(name.substr(0, cut))) : 0;
        if (number > 0 && number < oldest) {
            ::unlink((folder + "/" + std::string(name)).c_str());
        }
    }
    closedir(dir);
}

TJournalBatch ReadJournalBatch(const std::string& file)
{
    TJournalBatch batch;
    batch.Number = JournalNumber(file);
    std::string whole;
    batch.Damage = ReadWhole(file, whole);
    if (!batch.Damage.empty()) {
        return batch;
    }
    // the marks' area not yet filled reads as zero bytes, which no line holds
    const std::string_view all(whole.data(), std::min(whole.find('\0'), whole.size()));
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    // a last line without its end was being written when the program stopped: it is dropped
    for (auto end = all.find('\n'); end != std::string::npos; end = all.find('\n', start)) {
        lines.emplace_back(all.data() + start, end - start);
        start = end + 1;
    }
    batch.Damage = ParseBody(lines, batch);
    batch.File = file;
    for (std::size_t i = 0; i < batch.Entries.size(); ++i) {
        if (!batch.Entries[i].HeadCopy.empty()) {
            batch.Entries[i].HeadCopy = HeadCopyPath(file, i);
        }
    }
    return batch;
}

std::string JournalHeader(std::string_view kind, std::int64_t time, std::size_t files, int undoes)
{
    return std::string(Magic) + "\nkind " + std::string(kind) + "\ntime " + std::to_string(time) +
           (undoes > 0 ? "\nundoes " + std::to_string(undoes) : std::string()) + "\nfiles " +
           std::to_string(files) + "\n";
}

void AppendFileLine(std::string& out, const std::string& path, const TFileState& state)
{
    out += "f ";
    AppendEscaped(out, path);
    out += ' ';
    AppendState(out, state);
    out += '\n';
}

void AppendDoneLine(std::string& line, std::size_t index, const TJournalEntry& entry)
{
    line += "d ";
    AppendNumber(line, static_cast<std::int64_t>(index));
    line += ' ';
    AppendState(line, entry.After);
    AppendMove(line, entry.NewPath, entry.NewFolders);
    line += '\n';
}

void AppendIntentLine(std::string& line, std::size_t index, const TJournalEntry& entry)
{
    line += "i ";
    AppendNumber(line, static_cast<std::int64_t>(index));
    line += ' ';
    AppendNumber(line, entry.IntentSize);
    line += ' ';
    AppendTrailer(line, entry.IntentTrailer);
    line += ' ';
    AppendState(line, entry.IntentBefore);
    AppendMove(line, entry.IntentPath, entry.IntentFolders);
    line += '\n';
}

std::string RefusedLine(std::size_t index)
{
    return "n " + std::to_string(index) + "\n";
}

void AppendHeadLine(std::string& line, std::size_t index, std::int64_t newLength,
                    const THeadDelta& delta, bool inCopy)
{
    line += "h ";
    AppendNumber(line, static_cast<std::int64_t>(index));
    line += ' ';
    AppendNumber(line, newLength);
    line += ' ';
    if (inCopy) {
        line += "@\n";
        return;
    }
    if (delta.Middle.empty()) {
        line += '-';
    } else {
        AppendEscaped(line, delta.Middle);
    }
    for (const std::size_t number : {delta.Prefix, delta.SuffixAt, delta.Suffix, delta.Zeros}) {
        line += ' ';
        AppendNumber(line, static_cast<std::int64_t>(number));
    }
    char sum[16];
    line += ' ';
    line.append(sum, std::to_chars(sum, sum + sizeof sum, delta.OldSum, 16).ptr);
    line += '\n';
}

std::string HeadCopyPath(const std::string& batchFile, std::size_t index)
{
    return batchFile + ".head-" + std::to_string(index);
}
