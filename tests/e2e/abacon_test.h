// The fixture of the end-to-end tests: every test gets a scratch copy of the program and of
// its language file, an empty settings key, an APPDATA folder of its own without a kept
// history, and starts the real program as a user would.
// The helpers find its windows again and drive them; every wait has a deadline.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/language_file.h"
#include "tools/drive/remote_process.h"

// A start under Wine can be slow on a busy machine.
constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kStepTimeoutMs = 10000;

// The top of the build tree, where the program and its language file are built.
std::string BuildRoot();

// The settings under HKEY_CURRENT_USER\Software\Merrow\Abacon.
void DeleteSettings();
bool HasSetting(const char* name);
// False when the value is missing or of another type.
bool ReadSettingString(const char* name, std::string* value);
bool ReadSettingDword(const char* name, DWORD* value);
void WriteSettingString(const char* name, const std::string& value);
void WriteSettingDword(const char* name, DWORD value);

// The program's windows.
bool IsLanguageDialog(HWND window);
bool IsMainDialog(HWND window);
bool IsAboutDialog(HWND window); // the splash, or the About dialog
bool IsErrorBox(HWND window);    // a dialog that is none of the above

enum class Press { Button, EnterKey };

class AbaconTest : public ::testing::Test {
  protected:
    void SetUp() override;

    // Replaces the language file beside the scratch program, or removes it.
    void UseLanguageFile(const std::string& bytes);
    void RemoveLanguageFile();

    void StartProgram();
    // The language dialog, the main dialog or an error box; null if none appears.
    HWND WaitForFirstWindow();
    // Answers the language dialog with the language name (the preselected one when empty).
    void AnswerLanguageDialog(HWND dialog, const std::string& name);
    // The main dialog once it is shown and its splash has come and gone; null if not.
    HWND WaitForMainWindow();
    // Starts the program, which must ask for the language, answers with language (the
    // preselected one when empty) and waits for the main dialog; null if any of it fails.
    HWND StartIn(const std::string& language);
    // Types expression into the input and calculates; the history lines it added.
    std::string Calculate(HWND main, const std::string& expression, Press press = Press::Button);
    // Returns once the program has handled every message posted to it before (keys,
    // clicks): a flag of the history box that nothing else touches is flipped by a posted
    // message, which the program's one thread handles after them.
    void Sync(HWND main);
    // Presses Quit (or another command that ends the program) and returns the exit code,
    // or -1 when the program did not end.
    long EndAndWait(HWND main, int command);
    long WaitForExit();
    // Saves a picture of the screen area as build/windows/screenshots/name.bmp.
    void SaveScreenshot(const RECT& area, const std::string& name);

    // The file of the calculations kept between starts, in the test's APPDATA folder.
    std::string HistoryFile() const { return appData_ + "\\Merrow\\Abacon\\History.txt"; }

    std::string Text(const char* key, const std::string& language) const {
        return shipped_.Text(key, shipped_.LanguageIndex(language));
    }

    LanguageFile shipped_;
    RemoteProcess program_;
    std::string directory_;
    std::string appData_; // what the program started next gets as APPDATA
};
