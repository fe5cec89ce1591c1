#include "support/longest_line.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::string_view kLineBreak = "\r\n";

} // namespace

std::size_t LongestLine(std::string_view text) {
    std::size_t longest = 0;
    std::size_t begin = 0;
    for (;;) {
        const std::size_t end = text.find(kLineBreak, begin);
        if (end == std::string_view::npos) {
            return std::max(longest, text.size() - begin);
        }
        longest = std::max(longest, end - begin);
        begin = end + kLineBreak.size();
    }
}

std::size_t LongestLineAfterReplacing(std::string_view text, std::size_t first, std::size_t last,
                                      std::string_view inserted) {
    last = std::min(last, text.size());
    first = std::min(first, last);
    // The line the replacement begins in starts after the last line break wholly before it,
    // and the one it ends in stops at the first line break wholly after it; a CR or LF at
    // either edge may pair with the inserted text, so both edges are part of what is counted.
    const std::size_t before = text.substr(0, first).rfind(kLineBreak);
    const std::size_t lineBegin = before == std::string_view::npos ? 0 : before + kLineBreak.size();
    const std::size_t after = text.find(kLineBreak, last);
    const std::size_t lineEnd = after == std::string_view::npos ? text.size() : after;
    std::string changed(text.substr(lineBegin, first - lineBegin));
    changed += inserted;
    changed += text.substr(last, lineEnd - last);
    return LongestLine(changed);
}
