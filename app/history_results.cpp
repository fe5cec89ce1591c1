#include "app/history_results.h"

#include <algorithm>

void HistoryResults::Add(std::size_t first, std::size_t end, const std::string& result) {
    // Only the complex form "re + im i" has blanks.
    lines_.push_back(
        {first, end, result.find(' ') == std::string::npos ? result : "(" + result + ")"});
}

bool HistoryResults::At(std::size_t index, std::string* text) const {
    const auto after = std::upper_bound(
        lines_.begin(), lines_.end(), index,
        [](std::size_t position, const Line& line) { return position < line.first; });
    if (after == lines_.begin() || index > std::prev(after)->end) {
        return false;
    }
    *text = std::prev(after)->insertable;
    return true;
}
