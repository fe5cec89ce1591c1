#include "app/registry_key.h"

#include <shlwapi.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

constexpr const char* kScratch = "Software\\AbaconTests";
constexpr REGSAM kReadWrite = KEY_READ | KEY_WRITE;

// Works in a scratch key under HKEY_CURRENT_USER that is removed before and after each test.
class RegistryKeyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SHDeleteKeyA(HKEY_CURRENT_USER, kScratch);
        ASSERT_EQ(key_.Create(HKEY_CURRENT_USER, kScratch, kReadWrite), ERROR_SUCCESS);
        ASSERT_NE(key_.Handle(), nullptr);
    }
    void TearDown() override {
        key_.Close();
        SHDeleteKeyA(HKEY_CURRENT_USER, kScratch);
    }

    void SetRaw(const char* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(
            RegSetValueExA(key_.Handle(), name, 0, type, static_cast<const BYTE*>(data), size),
            ERROR_SUCCESS);
    }

    RegistryKey key_;
};

TEST_F(RegistryKeyTest, StringRoundTripCountsTheTerminator) {
    ASSERT_EQ(key_.SetString("Language", "Nederlands"), ERROR_SUCCESS);
    char buffer[31];
    std::memset(buffer, 'x', sizeof buffer);
    DWORD size = sizeof buffer;
    EXPECT_EQ(key_.QueryString("Language", buffer, &size), ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "Nederlands");
    EXPECT_EQ(size, 11u);

    DWORD type = 0;
    DWORD stored = 0;
    ASSERT_EQ(RegQueryValueExA(key_.Handle(), "Language", nullptr, &type, nullptr, &stored),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored, 11u);
}

TEST_F(RegistryKeyTest, StringFailuresLeaveAnEmptyBufferAndSizeZero) {
    DWORD number = 7;
    SetRaw("Number", REG_DWORD, &number, sizeof number);
    const std::string fits(30, 'a');
    const std::string tooLong(31, 'b');
    ASSERT_EQ(key_.SetString("Fits", fits.c_str()), ERROR_SUCCESS);
    ASSERT_EQ(key_.SetString("TooLong", tooLong.c_str()), ERROR_SUCCESS);

    struct Case {
        const char* name;
        LONG result;
        const char* text;
        DWORD size;
    } cases[] = {
        {"Missing", ERROR_FILE_NOT_FOUND, "", 0},
        {"Number", ERROR_INVALID_DATA, "", 0},
        {"TooLong", ERROR_MORE_DATA, "", 0},
        {"Fits", ERROR_SUCCESS, fits.c_str(), 31},
    };
    for (const Case& c : cases) {
        char buffer[31];
        std::memset(buffer, 'x', sizeof buffer);
        DWORD size = sizeof buffer;
        EXPECT_EQ(key_.QueryString(c.name, buffer, &size), c.result) << c.name;
        EXPECT_STREQ(buffer, c.text) << c.name;
        EXPECT_EQ(size, c.size) << c.name;
    }
}

TEST_F(RegistryKeyTest, StringStoredWithoutTerminatorIsTerminatedInsideTheBuffer) {
    SetRaw("Bare", REG_SZ, "abc", 3);
    SetRaw("Empty", REG_SZ, "", 0);

    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    DWORD size = sizeof buffer;
    EXPECT_EQ(key_.QueryString("Bare", buffer, &size), ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(size, 4u);

    std::memset(buffer, 'x', sizeof buffer);
    size = sizeof buffer;
    EXPECT_EQ(key_.QueryString("Empty", buffer, &size), ERROR_SUCCESS);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(size, 1u);

    // Exactly filling the buffer leaves no room for the terminator.
    char exact[3];
    std::memset(exact, 'x', sizeof exact);
    size = sizeof exact;
    EXPECT_EQ(key_.QueryString("Bare", exact, &size), ERROR_MORE_DATA);
    EXPECT_EQ(exact[0], '\0');
    EXPECT_EQ(size, 0u);
}

TEST_F(RegistryKeyTest, DwordRoundTripAndFailuresLeaveTheValue) {
    ASSERT_EQ(key_.SetDword("Doubles", 0), ERROR_SUCCESS);
    DWORD value = 1;
    EXPECT_EQ(key_.QueryDword("Doubles", &value), ERROR_SUCCESS);
    EXPECT_EQ(value, 0u);

    DWORD type = 0;
    DWORD stored = 0;
    ASSERT_EQ(RegQueryValueExA(key_.Handle(), "Doubles", nullptr, &type, nullptr, &stored),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(stored, 4u);

    const unsigned char four[4] = {9, 9, 9, 9};
    SetRaw("Binary", REG_BINARY, four, sizeof four);
    SetRaw("Short", REG_SZ, "ab", 3);
    SetRaw("Long", REG_SZ, "a long text", 12);
    struct Case {
        const char* name;
        LONG result;
    } cases[] = {
        {"Missing", ERROR_FILE_NOT_FOUND},
        {"Binary", ERROR_INVALID_DATA},
        {"Short", ERROR_INVALID_DATA},
        {"Long", ERROR_MORE_DATA},
    };
    for (const Case& c : cases) {
        DWORD preset = 1;
        EXPECT_EQ(key_.QueryDword(c.name, &preset), c.result) << c.name;
        EXPECT_EQ(preset, 1u) << c.name;
    }
}

TEST_F(RegistryKeyTest, OpenFailureKeepsTheKeyAndSuccessReplacesIt) {
    ASSERT_EQ(key_.SetDword("Radians", 1), ERROR_SUCCESS);
    HKEY before = key_.Handle();
    EXPECT_EQ(key_.Open(HKEY_CURRENT_USER, "Software\\AbaconTests\\Missing", kReadWrite),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key_.Handle(), before);

    RegistryKey child;
    ASSERT_EQ(child.Create(key_.Handle(), "Child", kReadWrite), ERROR_SUCCESS);
    ASSERT_EQ(child.SetDword("Depth", 2), ERROR_SUCCESS);
    ASSERT_EQ(key_.Open(HKEY_CURRENT_USER, "Software\\AbaconTests\\Child", kReadWrite),
              ERROR_SUCCESS);
    EXPECT_NE(key_.Handle(), before);
    // The handle held before was closed.
    EXPECT_EQ(RegQueryValueExA(before, "Radians", nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_HANDLE);
    DWORD depth = 0;
    EXPECT_EQ(key_.QueryDword("Depth", &depth), ERROR_SUCCESS);
    EXPECT_EQ(depth, 2u);
}

TEST_F(RegistryKeyTest, CreateOpensAnExistingKeyAndWalksTheSettingsPath) {
    ASSERT_EQ(key_.SetDword("Kept", 5), ERROR_SUCCESS);
    RegistryKey again;
    ASSERT_EQ(again.Create(HKEY_CURRENT_USER, kScratch, KEY_READ), ERROR_SUCCESS);
    DWORD kept = 0;
    EXPECT_EQ(again.QueryDword("Kept", &kept), ERROR_SUCCESS);
    EXPECT_EQ(kept, 5u);
    // Read-only access refuses writes.
    EXPECT_EQ(again.SetDword("Kept", 6), ERROR_ACCESS_DENIED);

    // One level at a time, as start-up walks to its settings key.
    RegistryKey software;
    RegistryKey merrow;
    RegistryKey abacon;
    ASSERT_EQ(software.Open(HKEY_CURRENT_USER, "SOFTWARE", kReadWrite), ERROR_SUCCESS);
    ASSERT_EQ(merrow.Create(software.Handle(), "AbaconTests", kReadWrite), ERROR_SUCCESS);
    ASSERT_EQ(abacon.Create(merrow.Handle(), "Abacon", kReadWrite), ERROR_SUCCESS);
    EXPECT_EQ(abacon.SetString("Language", "English"), ERROR_SUCCESS);
    RegistryKey whole;
    ASSERT_EQ(whole.Open(HKEY_CURRENT_USER, "Software\\AbaconTests\\Abacon", KEY_READ),
              ERROR_SUCCESS);
    char name[32];
    DWORD size = sizeof name;
    EXPECT_EQ(whole.QueryString("Language", name, &size), ERROR_SUCCESS);
    EXPECT_STREQ(name, "English");
}

TEST_F(RegistryKeyTest, CloseForgetsTheHandle) {
    EXPECT_EQ(key_.Close(), ERROR_SUCCESS);
    EXPECT_EQ(key_.Handle(), nullptr);
    EXPECT_EQ(key_.Close(), ERROR_SUCCESS);
    DWORD value = 3;
    EXPECT_NE(key_.QueryDword("Any", &value), ERROR_SUCCESS);
    EXPECT_EQ(value, 3u);
}

} // namespace
