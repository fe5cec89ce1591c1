#include "support/longest_line.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LongestLine, OnlyCrLfEndsALine) {
    EXPECT_EQ(LongestLine(""), 0u);
    EXPECT_EQ(LongestLine("abc"), 3u);
    EXPECT_EQ(LongestLine("ab\r\nabcd\r\na"), 4u);
    EXPECT_EQ(LongestLine("abcde\r\n"), 5u);
    EXPECT_EQ(LongestLine("ab\ncd\re"), 7u);
    EXPECT_EQ(LongestLine("\r\r\nab"), 2u);
}

TEST(LongestLine, AfterReplacingCountsTheLinesTheReplacementTouches) {
    const struct {
        const char* text;
        std::size_t first;
        std::size_t last;
        const char* inserted;
        std::size_t longest;
    } cases[] = {
        {"", 0, 0, "12345", 5},
        {"abc", 3, 3, "de", 5},                     // typed at the end
        {"abc\r\nlonger line\r\nxy", 0, 0, "1", 4}, // the other lines are not counted
        {"abc\r\nxy", 2, 2, "1\r\n123456", 7},      // the inserted text ends a line
        {"abc\r\nxy", 1, 6, "", 2},                 // a selection across lines removed
        {"ab\r\ncd", 3, 3, "123", 9},               // splits the CR LF: one line
        {"ab\r", 3, 3, "\n123", 3},                 // completes a CR LF
        {"ab\r\ncd", 2, 4, "", 4},                  // the line break removed joins them
        {"abc", 9, 7, "xy", 5},                     // positions past the end
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LongestLineAfterReplacing(c.text, c.first, c.last, c.inserted), c.longest)
            << '"' << c.text << "\" [" << c.first << ", " << c.last << ") <- \"" << c.inserted
            << '"';
    }
}

} // namespace
