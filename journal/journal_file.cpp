#include "journal/journal_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::string_view Magic = "cantrel-journal 1";
constexpr std::string_view Suffix = ".journal";
constexpr char Hex[] = "0123456789ABCDEF";

void AddHex(std::string& out, std::size_t value)
{
    out += Hex[(value >> 4) & 0x0F];
    out += Hex[value & 0x0F];
}

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
            AddHex(out, zeros);
            i += zeros;
        } else {
            out += '%';
            AddHex(out, static_cast<unsigned char>(bytes[i]));
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

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
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

void AppendState(std::string& out, const TFileState& state)
{
    AppendNumber(out, state.Size);
    out += ' ';
    AppendNumber(out, state.ModifiedNs);
    out += ' ';
    if (state.Trailer) {
        AppendEscaped(out, {reinterpret_cast<const char*>(state.Trailer->data()), TagTrailerSize});
    } else {
        out += '-';
    }
}

// The three fields from `at` on.
std::optional<TFileState> ParseState(const std::vector<std::string_view>& fields, std::size_t at)
{
    if (fields.size() < at + 3) {
        return std::nullopt;
    }
    TFileState state;
    if (!Number(fields[at], state.Size) || !Number(fields[at + 1], state.ModifiedNs)) {
        return std::nullopt;
    }
    if (fields[at + 2] != "-") {
        const auto bytes = Unescape(fields[at + 2]);
        if (!bytes || bytes->size() != TagTrailerSize) {
            return std::nullopt;
        }
        state.Trailer.emplace();
        std::copy(bytes->begin(), bytes->end(), state.Trailer->begin());
    }
    return state;
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

std::string ParseBody(const std::vector<std::string_view>& lines, TJournalBatch& batch)
{
    if (lines.size() < 4 || lines[0] != Magic) {
        return "not a journal file";
    }
    const auto kind = HeaderValue(lines[1], "kind");
    const auto time = HeaderValue(lines[2], "time");
    const auto count = HeaderValue(lines[3], "files");
    std::size_t files = 0;
    if (!kind || kind->empty() || !time || !Number(*time, batch.Time) || !count ||
        !Number(*count, files) || files > lines.size() - 4) {
        return "its heading is damaged";
    }
    batch.Kind = *kind;
    for (std::size_t i = 0; i < files; ++i) {
        const auto fields = Fields(lines[4 + i]);
        const auto path =
            fields.size() == 5 && fields[0] == "f" ? Unescape(fields[1]) : std::nullopt;
        const auto state = ParseState(fields, 2);
        if (!path || path->empty() || !state) {
            return "file line " + std::to_string(i + 1) + " is damaged";
        }
        batch.Entries.push_back({*path, *state, false, {}, {}, {}});
    }
    for (std::size_t i = 4 + files; i < lines.size(); ++i) {
        const auto fields = Fields(lines[i]);
        const std::string damaged = "mark " + std::to_string(i - 3 - files) + " is damaged";
        std::size_t index = 0;
        const auto state = ParseState(fields, 2);
        if (fields.size() < 5 || fields[0] != "d" || !Number(fields[1], index) ||
            index >= batch.Entries.size() || !state) {
            return damaged;
        }
        TJournalEntry& entry = batch.Entries[index];
        entry.Done = true;
        entry.After = *state;
        entry.NewPath.clear();
        entry.NewFolders.clear();
        for (std::size_t k = 5; k < fields.size(); ++k) {
            const auto path = Unescape(fields[k]);
            if (!path || path->empty()) {
                return damaged;
            }
            (k == 5 ? entry.NewPath : entry.NewFolders.emplace_back()) = *path;
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
    return batch;
}

std::string JournalHeader(std::string_view kind, std::int64_t time, std::size_t files)
{
    return std::string(Magic) + "\nkind " + std::string(kind) + "\ntime " + std::to_string(time) +
           "\nfiles " + std::to_string(files) + "\n";
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
    if (!entry.NewPath.empty()) {
        line += ' ';
        AppendEscaped(line, entry.NewPath);
        for (const std::string& folder : entry.NewFolders) {
            line += ' ';
            AppendEscaped(line, folder);
        }
    }
    line += '\n';
}
