#include "workspace/counts.h"

#include <algorithm>

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
