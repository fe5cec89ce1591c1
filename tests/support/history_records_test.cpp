#include "support/history_records.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "support/crc32.h"

namespace {

std::string Record(const std::string& expression, const std::string& output = "1") {
    return HistoryRecord({expression, output, true, "", "", false});
}

// The expressions of the records read from a whole file.
std::string Expressions(const std::string& file) {
    std::string read;
    for (const KeptCalculation& c : ReadNewestCalculations(file, true, 100, 100).calculations) {
        read += c.expression + ";";
    }
    return read;
}

TEST(HistoryRecords, OneLineThatReadsBackExactly) {
    EXPECT_EQ(Record("1+2", "3"), "ok=1\tin=1+2\tout=3\tcrc=F045BBB0\r\n");
    const KeptCalculation tricky{std::string("a=\\b\tc\r\nd\x01\x7F\xE9\xFF\0e", 14),
                                 "sin(complex) not \\ =",
                                 false,
                                 "c:\t",
                                 "",
                                 false};
    const std::string line = HistoryRecord(tricky);
    EXPECT_EQ(line.find_first_of("\r\n"), line.size() - 2) << line;
    KeptCalculation read;
    ASSERT_TRUE(ReadHistoryRecord(std::string_view(line).substr(0, line.size() - 2), &read));
    EXPECT_EQ(read.expression, tricky.expression);
    EXPECT_EQ(read.output, tricky.output);
    EXPECT_FALSE(read.succeeded);
    EXPECT_EQ(read.value, tricky.value);
}

// Ignored, and kept by a trim, which copies the newest records as they are.
TEST(HistoryRecords, UnknownFieldsAreIgnoredAndKept) {
    const std::string body = "ok=1\tin=2*3\tans=d:6\tout=6\tnext=";
    const uint32_t crc = Crc32(body.data(), body.size());
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(crc));
    const std::string later = body + "\tcrc=" + digits + "\r\n";
    EXPECT_EQ(Expressions(later), "2*3;");
    const std::string b = Record("b").substr(0, Record("b").size() - 2) + "\n";
    EXPECT_EQ(ReadNewestCalculations(Record("a") + later + "junk\n" + b, true, 2, 3).records,
              later + Record("b"));
}

TEST(HistoryRecords, BadFilesGiveWhatCanBeRead) {
    const std::string a = Record("a");
    const std::string b = Record("b");
    std::string mangled = Record("x");
    mangled[5] = 'y';
    const struct {
        const char* name;
        std::string file;
        const char* read;
    } cases[] = {
        {"cut last record", a + b.substr(0, b.size() - 5), "a;"},
        {"cut after the checksum", a + b.substr(0, b.size() - 2), "a;b;"},
        {"mangled record", a + mangled + b, "a;b;"},
        {"LF only", a.substr(0, a.size() - 2) + "\n" + b.substr(0, b.size() - 2) + "\n", "a;b;"},
        {"CR only", a.substr(0, a.size() - 2) + "\r" + b.substr(0, b.size() - 2), "a;b;"},
        {"NUL bytes", a + std::string(100, '\0') + b, "a;b;"},
        {"not text", std::string("\x89PNG\x1A\n\0\xFF\\x\n", 11) + a, "a;"},
        {"10 MB line", a + std::string(10 << 20, 'z') + "\r\n" + b, "a;b;"},
        {"a field without value", "ok\tin=\tout=\tcrc=00000000\r\n" + a, "a;"},
        {"bad escape", Record("\\") + "ok=1\tin=\\q\tout=\tcrc=1AD04919\r\n", "\\;"},
        {"empty", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Expressions(c.file), c.read) << c.name;
    }
}

TEST(HistoryRecords, NewestOfATail) {
    std::string file;
    for (char c = 'a'; c <= 'f'; ++c) {
        file += Record(std::string(1, c));
    }
    const NewestCalculations newest = ReadNewestCalculations(file, true, 2, 5);
    EXPECT_EQ(newest.found, 5u);
    ASSERT_EQ(newest.calculations.size(), 2u);
    EXPECT_EQ(newest.calculations[0].expression, "e");
    EXPECT_EQ(newest.calculations[1].expression, "f");
    // A tail begins inside a line, which is not read even when it looks whole.
    EXPECT_EQ(ReadNewestCalculations(file, false, 10, 10).found, 5u);
    EXPECT_EQ(ReadNewestCalculations(file.substr(3), false, 10, 10).found, 5u);
}

// More records than allowed, or more bytes than are read, and the file is trimmed.
TEST(HistoryRecords, TrimDecision) {
    const HistoryLimits limits{1, 2, 1000};
    const std::string two = Record("a") + Record("b");
    EXPECT_FALSE(TrimsHistory(ReadNewestCalculations(two, true, 1, 3), 1000, limits));
    EXPECT_TRUE(TrimsHistory(ReadNewestCalculations(two, true, 1, 3), 1001, limits));
    EXPECT_TRUE(TrimsHistory(ReadNewestCalculations(two + two, true, 1, 3), 1000, limits));
}

// After a record cut by a crash, the next one starts a line of its own.
TEST(HistoryRecords, AppendedRecords) {
    EXPECT_EQ(AppendedRecord(Record("a"), {"1", "1", true, "", "", false}), Record("1"));
    EXPECT_EQ(AppendedRecord("ok=1\tin=", {"1", "1", true, "", "", false}), "\r\n" + Record("1"));
}

TEST(HistoryRecords, ShownTextHasNoStrayControlCharacters) {
    EXPECT_EQ(ShownText("a\tb\r\nc\rd\ne\x01\x7F\x1B\xE9"), "a\tb\r\nc d e   \xE9");
}

} // namespace
