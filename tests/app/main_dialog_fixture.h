// Test fixture: the program's real main dialog, created from the linked resources with
// English texts in the key table and its own message loop. The settings values the dialog
// reads and writes are saved before each test and put back afterwards, and APPDATA names an
// empty folder of the test's own.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/event_loop.h"
#include "app/main_dialog.h"
#include "tests/support/temp_dir.h"

// A value of the settings key, restored (or deleted when it was missing) on destruction.
class SavedSetting {
  public:
    explicit SavedSetting(const char* name);
    ~SavedSetting();
    SavedSetting(const SavedSetting&) = delete;
    SavedSetting& operator=(const SavedSetting&) = delete;

  private:
    const char* name_;
    bool existed_ = false;
    DWORD type_ = 0;
    std::vector<BYTE> data_;
};

// Direct access to the settings key, independent of the program's registry wrapper.
void WriteSettingDword(const char* name, DWORD value);
void WriteSettingString(const char* name, const char* text);
void DeleteSetting(const char* name);
// False when the value is missing or is not a REG_DWORD.
bool ReadSettingDword(const char* name, DWORD* value);

// The texts the fixture installs; every window text differs from its resource text.
const char* EnglishText(int32_t id);

class MainDialogTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Creates the dialog, then handles what is pending. It stays hidden: a shown window
    // costs Wine a round trip to the X server for every change of the edit boxes.
    void Open();
    // Removes the file of the calculations kept between starts.
    void ForgetKeptHistory();
    // Handles every pending message through the loop and the dialog's filter.
    void RunPending();

    HWND Item(int id) const { return GetDlgItem(window_, id); }
    std::string Text(int id) const;
    bool Checked(int id) const { return IsDlgButtonChecked(window_, id) == BST_CHECKED; }
    // The button's command as a click sends it.
    void Press(int id);
    // Types nothing: sets the input's text and presses Calculate.
    void Calculate(const char* input);

    std::unique_ptr<MainDialog> dialog_;
    HWND window_ = nullptr;

  private:
    EventLoop loop_;
    TempDir appData_; // the kept history's folder is made in it, fresh for every test
    std::vector<std::string> texts_;
    bool keyExisted_ = false;
    std::vector<std::unique_ptr<SavedSetting>> saved_;
};
