#include "engine/history_results.h"

#include <algorithm>

#include "engine/decimal_marks.h"

void HistoryResults::Add(std::size_t first, std::size_t end, const std::string& result) {
    lines_.push_back({first, end, result});
}

bool HistoryResults::At(std::size_t index, bool decimalComma, std::string* text) const {
    std::string result;
    if (!TextAt(index, decimalComma, &result)) {
        return false;
    }
    // Only the complex form "re + im i" has blanks.
    *text = result.find(' ') == std::string::npos ? result : "(" + result + ")";
    return true;
}

bool HistoryResults::TextAt(std::size_t index, bool decimalComma, std::string* text) const {
    const auto after = std::upper_bound(
        lines_.begin(), lines_.end(), index,
        [](std::size_t position, const Line& line) { return position < line.first; });
    if (after == lines_.begin() || index > std::prev(after)->end) {
        return false;
    }
    *text = ResultWithMark(std::prev(after)->result, decimalComma);
    return true;
}

bool HistoryResults::Newest(bool decimalComma, std::string* text) const {
    if (lines_.empty()) {
        return false;
    }
    *text = ResultWithMark(lines_.back().result, decimalComma);
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
