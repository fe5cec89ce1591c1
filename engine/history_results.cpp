#include "engine/history_results.h"

#include <algorithm>

void HistoryResults::Add(std::size_t first, std::size_t end, const std::string& result) {
    lines_.push_back({first, end, result});
}

bool HistoryResults::At(std::size_t index, std::string* text) const {
    std::string shown;
    if (!ShownAt(index, &shown)) {
        return false;
    }
    // Only the complex form "re + im i" has blanks.
    *text = shown.find(' ') == std::string::npos ? shown : "(" + shown + ")";
    return true;
}

bool HistoryResults::ShownAt(std::size_t index, std::string* text) const {
    const auto after = std::upper_bound(
        lines_.begin(), lines_.end(), index,
        [](std::size_t position, const Line& line) { return position < line.first; });
    if (after == lines_.begin() || index > std::prev(after)->end) {
        return false;
    }
    *text = std::prev(after)->result;
    return true;
}

bool HistoryResults::Newest(std::string* text) const {
    if (lines_.empty()) {
        return false;
    }
    *text = lines_.back().result;
    return true;
}

void HistoryResults::Prepend(const HistoryResults& earlier, std::size_t length) {
    for (Line& line : lines_) {
        line.first += length;
        line.end += length;
    }
    lines_.insert(lines_.begin(), earlier.lines_.begin(), earlier.lines_.end());
}

void HistoryResults::Clear() {
    lines_.clear();
}
