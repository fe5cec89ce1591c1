// The calculations kept between starts: back after a Quit or a kill, from two windows at
// once, and from files that are damaged or cannot be used. Prints the times it takes.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

#include "app/resource.h"
#include "support/crc32.h"
#include "support/history_records.h"
#include "tests/e2e/abacon_test.h"
#include "tools/drive/remote_window.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The records of the calculations prefix1+1=2 to prefixcount+1, their lines ending in end,
// with the field field before the checksum when it is given, as a later version might write.
std::string Records(int count, const std::string& prefix = "", const std::string& end = "\r\n",
                    const std::string& field = "") {
    std::string records;
    for (int n = 1; n <= count; ++n) {
        std::string line = HistoryRecord(
            {prefix + std::to_string(n) + "+1", std::to_string(n + 1), true, "", "", false});
        line.resize(line.size() - 2);
        if (!field.empty()) {
            line = line.substr(0, line.rfind("\tcrc=")) + "\t" + field;
            char crc[16];
            std::snprintf(crc, sizeof crc, "\tcrc=%08X",
                          static_cast<unsigned>(Crc32(line.data(), line.size())));
            line += crc;
        }
        records += line + end;
    }
    return records;
}

// Milliseconds until done holds, polled closely.
double MsUntil(Clock::time_point start, const std::function<bool()>& done) {
    while (!done() && MsSince(start) < kStartTimeoutMs) {
        Sleep(1);
    }
    return MsSince(start);
}

class KeptHistory : public AbaconTest {
  protected:
    void SetUp() override {
        AbaconTest::SetUp();
        WriteSettingString("Language", "English");
        WriteSettingDword("Doubles", 0);
        std::filesystem::create_directories(appData_ + "\\Merrow\\Abacon");
        SetFileAttributesA(HistoryFile().c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(HistoryFile().c_str());
    }

    HWND Start() {
        StartProgram();
        return WaitForMainWindow();
    }

    std::string Kept() const {
        std::ifstream in(HistoryFile(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
};

TEST_F(KeptHistory, LinesComeBackWithRecallAndResults) {
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    Calculate(main, "40+2");
    Calculate(main, "2+*3");
    // A control character without an escape shows as a blank, now and after a restart.
    EXPECT_EQ(Calculate(main, "29,c"), "29,c=' '\r\n");
    Calculate(main, "1+\r\n\t2=\xE9");
    const std::string shown = TextOf(GetDlgItem(main, IDC_HISTORY));
    ASSERT_EQ(EndAndWait(main, IDC_QUIT), 0);

    main = Start();
    ASSERT_NE(main, nullptr);
    HWND input = GetDlgItem(main, IDC_INPUT);
    EXPECT_EQ(TextOf(GetDlgItem(main, IDC_HISTORY)), shown);
    PostKey(input, VK_UP);
    Sync(main);
    EXPECT_EQ(TextOf(input), "1+\r\n\t2=\xE9");
    SetTextOf(input, "");
    HWND history = GetDlgItem(main, IDC_HISTORY);
    const LRESULT position = SendTimed(history, EM_POSFROMCHAR, 5, 0);
    PostDoubleClick(history, {LOWORD(position) + 1, HIWORD(position) + 2});
    EXPECT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return TextOf(input) == "42"; }));

    // Killed right after Enter, the calculation is kept all the same.
    EXPECT_EQ(Calculate(main, "6*7", Press::EnterKey), "6*7=42\r\n");
    program_.Kill();
    main = Start();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(TextOf(GetDlgItem(main, IDC_HISTORY)), shown + "6*7=42\r\n");
    EXPECT_EQ(Calculate(main, "*2"), "ans*2=84\r\n") << "ans is the newest kept result";
    EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
}

// Two windows calculate in a loop while a third starts over a file of 2,500 records and
// trims it: every calculation is kept once, and the older records that stay are as they were,
// with the field this version does not know.
TEST_F(KeptHistory, TwoWindowsKeepEveryRecordWhileAThirdTrims) {
    HWND windows[2] = {Start(), nullptr};
    RemoteProcess other;
    ASSERT_TRUE(other.Start(directory_ + "\\Abacon.exe", directory_));
    windows[1] = WaitForWindow(other.Id(), kStartTimeoutMs, IsMainDialog);
    ASSERT_TRUE(windows[0] != nullptr && windows[1] != nullptr);
    const std::string old = Records(2500, "7", "\r\n", "later=kept");
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        ASSERT_TRUE(WriteFileBytes(HistoryFile(), old));
        RemoteProcess third;
        ASSERT_TRUE(third.Start(directory_ + "\\Abacon.exe", directory_));
        // Until the third has restored its history, so trimmed the file, and 20 more.
        std::vector<std::string> calculated;
        for (int more = 20; more > 0;) {
            HWND main = windows[calculated.size() % 2];
            calculated.push_back(std::to_string(round * 100000 + calculated.size()) + "*1");
            for (const char c : calculated.back()) {
                PostChar(GetDlgItem(main, IDC_INPUT), c);
            }
            Click(GetDlgItem(main, IDOK));
            Sleep(10);
            HWND restored = WaitForWindow(third.Id(), 0, IsMainDialog);
            more -= restored != nullptr && !TextOf(GetDlgItem(restored, IDC_HISTORY)).empty();
        }
        Sync(windows[0]);
        Sync(windows[1]);
        const std::string kept = Kept();
        std::vector<std::string> appended;
        for (const KeptCalculation& c :
             ReadNewestCalculations(kept, true, 5000, 5000).calculations) {
            if (c.expression[0] != '7') {
                appended.push_back(c.expression);
            }
        }
        std::sort(appended.begin(), appended.end());
        std::sort(calculated.begin(), calculated.end());
        EXPECT_EQ(appended, calculated) << appended.size() << " kept of " << calculated.size();
        // The older records first, exactly the newest of those written, no more than 1,000.
        const std::size_t lastOlder = kept.rfind("\tlater=kept\t");
        ASSERT_NE(lastOlder, std::string::npos);
        const std::size_t olderEnd = kept.find("\r\n", lastOlder) + 2;
        EXPECT_EQ(old.substr(old.size() - olderEnd), kept.substr(0, olderEnd));
        EXPECT_LE(std::count(kept.begin(), kept.begin() + olderEnd, '\n'), 1000);
    }
}

// While another program holds the file with share mode 0 the calculations wait, and are
// written when it lets go, in order, once each; at Quit the window asks before it drops any.
TEST_F(KeptHistory, CalculationsWaitWhileAnotherProgramHoldsTheFile) {
    ASSERT_TRUE(WriteFileBytes(HistoryFile(), Records(1)));
    const auto hold = [&] {
        return CreateFileA(HistoryFile().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    };
    HANDLE held = hold();
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    HWND main = Start();
    ASSERT_NE(main, nullptr);
    for (const char* expression : {"2*1", "2*2", "2*3"}) {
        Calculate(main, expression);
    }
    CloseHandle(held);
    Calculate(main, "2*4");
    const std::string shown = TextOf(GetDlgItem(main, IDC_HISTORY));
    EXPECT_EQ(shown.find("1+1=2\r\n"), 0u) << "the earlier calculation first, once it is read";
    EXPECT_NE(shown.find(Text("HISTORY Unreadable", "English")), std::string::npos) << shown;
    EXPECT_NE(shown.find(Text("HISTORY ReadAgain", "English")), std::string::npos) << shown;
    held = hold();
    Calculate(main, "2*5");
    Click(GetDlgItem(main, IDC_QUIT));
    HWND box = WaitForWindow(program_.Id(), kStepTimeoutMs, IsErrorBox);
    ASSERT_NE(box, nullptr) << "asked at Quit";
    CloseHandle(held);
    Click(GetDlgItem(box, IDYES));
    EXPECT_EQ(WaitForExit(), 0);
    std::vector<std::string> kept;
    for (const KeptCalculation& c : ReadNewestCalculations(Kept(), true, 100, 100).calculations) {
        kept.push_back(c.expression);
    }
    EXPECT_EQ(kept, (std::vector<std::string>{"1+1", "2*1", "2*2", "2*3", "2*4", "2*5"}));
}

TEST_F(KeptHistory, BadFilesStartAsUsual) {
    const std::string unsaved = Text("HISTORY Unsaved", "English");
    const std::string unreadable = Text("HISTORY Unreadable", "English");
    const std::string big(100 << 20, 'x');
    const struct {
        const char* name;
        std::string file;
        const char* shown; // the last line restored
        std::function<void()> spoil;
    } cases[] = {
        {"not text", "\x89PNG\x1A\n\x01\xFF\n" + Records(1), "1+1=2", {}},
        {"LF only", "junk\n" + Records(2, "", "\n"), "2+1=3", {}},
        {"CR only", "junk\r" + Records(2, "", "\r"), "2+1=3", {}},
        {"NUL bytes", Records(1) + std::string(300, '\0') + Records(2, "7"), "72+1=3", {}},
        {"10 MB line",
         Records(1) + big.substr(0, 10 << 20) + "\r\n" + Records(1, "5"),
         "51+1=2",
         {}},
        {"100 MB", big + "\r\n" + Records(3), "3+1=4", {}},
        {"2,001 records", Records(2001), "2001+1=2002", {}},
        {"read-only", Records(1), "1+1=2",
         [&] { SetFileAttributesA(HistoryFile().c_str(), FILE_ATTRIBUTE_READONLY); }},
        {"folder not creatable", Records(1), "", [&] { appData_ = HistoryFile() + "\\AppData"; }},
        {"locked", Records(1), "", {}},
    };
    for (const auto& c : cases) {
        SetUp();
        ASSERT_TRUE(WriteFileBytes(HistoryFile(), c.file));
        if (c.spoil) {
            c.spoil();
        }
        HANDLE lock = std::string(c.name) == "locked"
                          ? CreateFileA(HistoryFile().c_str(), GENERIC_READ, 0, nullptr,
                                        OPEN_EXISTING, 0, nullptr)
                          : INVALID_HANDLE_VALUE;
        // Whether the system lets the file be written: a read-only file is writable by root.
        HANDLE probe = CreateFileA(HistoryFile().c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                                   nullptr, OPEN_EXISTING, 0, nullptr);
        const bool saved = probe != INVALID_HANDLE_VALUE;
        CloseHandle(probe);
        const Clock::time_point start = Clock::now();
        HWND main = Start();
        ASSERT_NE(main, nullptr) << c.name;
        const std::string history = TextOf(GetDlgItem(main, IDC_HISTORY));
        const size_t said = std::min(history.find(unsaved), history.find(unreadable));
        std::printf("%-22s %6.0f ms to the window after the splash, %s\n", c.name, MsSince(start),
                    said == std::string::npos ? "writable" : history.c_str() + said);
        EXPECT_NE(history.find(std::string(c.shown) + "\r\n"), std::string::npos) << c.name;
        EXPECT_EQ(said != std::string::npos, !saved) << c.name << history;
        for (const char ch : history) {
            EXPECT_TRUE(static_cast<unsigned char>(ch) >= 0x20 || ch == '\r' || ch == '\n')
                << c.name;
        }
        EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0) << c.name;
        CloseHandle(lock);
        if (saved) {
            const size_t records = ReadNewestCalculations(Kept(), true, 3000, 3000).found;
            EXPECT_LE(records, 1000u) << c.name;
            EXPECT_LT(Kept().size(), 20u << 20) << c.name << " is trimmed when it is too long";
        }
    }
}

// The figures, printed: start to the visible window, to the restored history, and a
// calculation from Enter to its line, with 1,000 kept calculations, none, and none kept.
TEST_F(KeptHistory, Timings) {
    for (const int kept : {0, 1000, 0, 1000, -1}) {
        SetUp();
        // Off: "Keep history between starts" unchecked, over a file it must leave as it is.
        const std::string file = Records(kept == 0 ? 0 : 1000);
        ASSERT_TRUE(WriteFileBytes(HistoryFile(), file));
        if (kept < 0) {
            WriteSettingDword("KeepHistory", 0);
        }
        const Clock::time_point start = Clock::now();
        StartProgram();
        HWND main = nullptr;
        const double shown = MsUntil(start, [&] {
            for (HWND window : VisibleWindowsOf(program_.Id())) {
                main = IsMainDialog(window) ? window : main;
            }
            return main != nullptr;
        });
        HWND history = GetDlgItem(main, IDC_HISTORY);
        const double complete = MsUntil(start, [&] {
            return kept <= 0 || TextOf(history).find("\r\n1000+1=1001\r\n") != std::string::npos;
        });
        ASSERT_EQ(WaitForMainWindow(), main);
        HWND input = GetDlgItem(main, IDC_INPUT);
        double calculating = 0;
        for (int n = 0; n < 20; ++n) {
            SetTextOf(input, "1+" + std::to_string(n));
            const LRESULT before = SendTimed(history, WM_GETTEXTLENGTH, 0, 0);
            const Clock::time_point enter = Clock::now();
            PostKey(input, VK_RETURN);
            calculating += MsUntil(
                enter, [&] { return SendTimed(history, WM_GETTEXTLENGTH, 0, 0) != before; });
        }
        std::printf("%-11s window %5.0f ms, history complete %5.0f ms, Enter to line %5.1f ms\n",
                    kept < 0    ? "off"
                    : kept == 0 ? "none kept"
                                : "1,000 kept",
                    shown, complete, calculating / 20);
        if (kept < 0) {
            EXPECT_EQ(TextOf(history).find("1000+1"), std::string::npos) << "nothing read";
        }
        EXPECT_EQ(EndAndWait(main, IDC_QUIT), 0);
        if (kept < 0) {
            EXPECT_EQ(Kept(), file) << "nothing written";
        }
    }
}

} // namespace
