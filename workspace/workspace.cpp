#include "workspace/workspace.h"

#include "engine/path_parts.h"

#include <algorithm>

namespace {

constexpr std::size_t NameBlockSize = 64 * 1024;

} // namespace

void TFileList::Add(const std::string& path)
{
    // the files of one folder come one after the other: most need no new folder entry
    std::string_view name;
    if (!Folders.empty() && path.size() > Folders.back().size() &&
        path.compare(0, Folders.back().size(), Folders.back()) == 0 &&
        path.find('/', Folders.back().size()) == std::string::npos) {
        name = std::string_view(path).substr(Folders.back().size());
    } else {
        Folders.push_back(WithTrailingSlash(FolderPart(path)));
        const std::size_t nameStart = path.size() - NamePart(path).size();
        name = std::string_view(path).substr(nameStart);
    }
    if (NameBlocks.empty() ||
        NameBlocks.back().size() + name.size() > NameBlocks.back().capacity()) {
        NameBlocks.emplace_back().reserve(std::max(NameBlockSize, name.size()));
    }
    std::string& block = NameBlocks.back();
    Rows.push_back({static_cast<std::uint32_t>(NameBlocks.size() - 1),
                    static_cast<std::uint32_t>(block.size()),
                    static_cast<std::uint32_t>(name.size()),
                    static_cast<std::uint32_t>(Folders.size() - 1)});
    block += name;
}

void TFileList::Clear()
{
    // the buffers of a million files go back as well, not only their contents
    std::vector<std::string>().swap(Folders);
    std::vector<std::string>().swap(NameBlocks);
    std::vector<TRow>().swap(Rows);
}

TFileEntry TFileList::operator[](std::size_t row) const
{
    return {Folders[Rows[row].Folder], std::string(Name(row))};
}

std::string_view TFileList::Name(std::size_t row) const
{
    const TRow& entry = Rows[row];
    return std::string_view(NameBlocks[entry.Block]).substr(entry.NameStart, entry.NameSize);
}

std::vector<std::size_t> ProcessedRows(std::size_t listed, std::vector<int> selectedRows,
                                       bool wholePathMode)
{
    std::vector<std::size_t> rows;
    if (wholePathMode) {
        for (std::size_t row = 0; row < listed; ++row) {
            rows.push_back(row);
        }
        return rows;
    }
    std::sort(selectedRows.begin(), selectedRows.end());
    selectedRows.erase(std::unique(selectedRows.begin(), selectedRows.end()), selectedRows.end());
    for (const int row : selectedRows) {
        if (row >= 0 && static_cast<std::size_t>(row) < listed) {
            rows.push_back(static_cast<std::size_t>(row));
        }
    }
    return rows;
}

std::optional<std::size_t> DisplayedRow(std::size_t listed, const std::vector<int>& selectedRows,
                                        int currentRow)
{
    const std::vector<std::size_t> rows = ProcessedRows(listed, selectedRows, false);
    if (rows.empty()) {
        return std::nullopt;
    }
    if (rows.size() == 1) {
        return rows.front();
    }
    if (currentRow < 0 || static_cast<std::size_t>(currentRow) >= listed) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(currentRow);
}

TCounts CountFiles(const TListState& list)
{
    const int total = std::max(list.ItemCount, 0);
    if (list.WholePathMode) {
        return {total, total};
    }
    return {std::max(list.SelectedItems, 0), total};
}

std::string CountsText(TCounts counts)
{
    return std::to_string(counts.Selected) + " / " + std::to_string(counts.Total);
}

std::string StatusText(const TListState& list)
{
    if (list.WholePathMode) {
        return list.ItemCount > 0 ? "Process ALL files in path" : "No files to process";
    }
    if (!list.HasCurrent) {
        return "No files to process";
    }
    if (!list.MultiSelect) {
        return "";
    }
    return list.SelectedItems > 0 ? "Files to process" : "No files to process";
}

std::string IndexPanelText(int selected)
{
    return std::string(selected != 0 ? "[ 1 / " : "[ 0 / ") + std::to_string(selected) + " ]";
}

std::string StatusPanelText(const std::string& status, const std::string& counts)
{
    return status + "   [ " + counts + " ]";
}

TFieldChoices TFieldModes::SeveralFiles(const TFieldChoices& shown)
{
    if (!MultiSelectMode) {
        SingleFieldChecks = shown;
        MultiSelectMode = true;
    }
    return EnabledFields;
}

std::optional<TFieldChoices> TFieldModes::OneFile()
{
    if (!MultiSelectMode) {
        return std::nullopt;
    }
    MultiSelectMode = false;
    return SingleFieldChecks;
}
