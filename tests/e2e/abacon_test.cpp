#include "tests/e2e/abacon_test.h"

#include "app/resource.h"
#include "tools/drive/remote_window.h"
#include "tools/drive/screen_capture.h"
#include "tools/drive/wine_settings.h"
#include "translation/language_dialog.h"

namespace {

constexpr const char* kSettingsKey = "Software\\Merrow\\Abacon";

std::string ModuleDirectory() {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string directory = path;
    return directory.substr(0, directory.find_last_of('\\'));
}

// A directory of its own for the running test.
std::string ScratchDirectory() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char& c : name) {
        c = c == '/' ? '_' : c;
    }
    std::string scratch = ModuleDirectory() + "\\scratch";
    CreateDirectoryA(scratch.c_str(), nullptr);
    scratch += "\\" + name;
    CreateDirectoryA(scratch.c_str(), nullptr);
    return scratch;
}

} // namespace

std::string BuildRoot() {
    return ModuleDirectory() + "\\" + ABACON_BUILD_ROOT;
}

void DeleteSettings() {
    RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
}

bool HasSetting(const char* name) {
    return RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY, nullptr, nullptr,
                        nullptr) == ERROR_SUCCESS;
}

bool ReadSettingString(const char* name, std::string* value) {
    char text[256] = "";
    DWORD size = sizeof text;
    DWORD type = REG_NONE;
    if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY | RRF_NOEXPAND, &type, text,
                     &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return false;
    }
    *value = text;
    return true;
}

bool ReadSettingDword(const char* name, DWORD* value) {
    DWORD size = sizeof *value;
    DWORD type = REG_NONE;
    return RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, name, RRF_RT_ANY, &type, value, &size) ==
               ERROR_SUCCESS &&
           type == REG_DWORD;
}

namespace {

void WriteSetting(const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

} // namespace

void WriteSettingString(const char* name, const std::string& value) {
    WriteSetting(name, REG_SZ, value.c_str(), static_cast<DWORD>(value.size() + 1));
}

void WriteSettingDword(const char* name, DWORD value) {
    WriteSetting(name, REG_DWORD, &value, sizeof value);
}

bool IsLanguageDialog(HWND window) {
    return IsDialogWith(window, kLanguageListId);
}

bool IsMainDialog(HWND window) {
    return IsDialogWith(window, IDC_INPUT);
}

bool IsAboutDialog(HWND window) {
    return IsDialogWith(window, IDC_LINK);
}

bool IsErrorBox(HWND window) {
    return ClassOf(window) == "#32770" && !IsLanguageDialog(window) && !IsMainDialog(window) &&
           !IsAboutDialog(window);
}

void AbaconTest::SetUp() {
    ConfigureWineForDriving();
    DeleteSettings();
    directory_ = ScratchDirectory();
    const std::string root = BuildRoot();
    ASSERT_TRUE(
        CopyFileA((root + "\\Abacon.exe").c_str(), (directory_ + "\\Abacon.exe").c_str(), FALSE));
    ASSERT_TRUE(
        CopyFileA((root + "\\Abacon.t9n").c_str(), (directory_ + "\\Abacon.t9n").c_str(), FALSE));
    ASSERT_TRUE(ReadLanguageFile(root + "\\Abacon.t9n", &shipped_));
    appData_ = directory_ + "\\AppData";
    DeleteFileA(HistoryFile().c_str());
}

void AbaconTest::UseLanguageFile(const std::string& bytes) {
    ASSERT_TRUE(WriteFileBytes(directory_ + "\\Abacon.t9n", bytes));
}

void AbaconTest::RemoveLanguageFile() {
    ASSERT_TRUE(DeleteFileA((directory_ + "\\Abacon.t9n").c_str()));
}

void AbaconTest::StartProgram() {
    SetEnvironmentVariableA("APPDATA", appData_.empty() ? nullptr : appData_.c_str());
    ASSERT_TRUE(program_.Start(directory_ + "\\Abacon.exe", directory_));
}

HWND AbaconTest::WaitForFirstWindow() {
    return WaitForWindow(program_.Id(), kStartTimeoutMs, [](HWND window) {
        return IsLanguageDialog(window) || IsMainDialog(window) || IsErrorBox(window);
    });
}

void AbaconTest::AnswerLanguageDialog(HWND dialog, const std::string& name) {
    HWND list = GetDlgItem(dialog, kLanguageListId);
    if (!name.empty()) {
        ASSERT_NE(SendTimed(list, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                            reinterpret_cast<LPARAM>(name.c_str())),
                  CB_ERR);
    }
    Click(GetDlgItem(dialog, IDOK));
    ASSERT_TRUE(WaitUntil(kStepTimeoutMs, [&] { return !IsWindow(dialog); }));
}

HWND AbaconTest::WaitForMainWindow() {
    HWND main = WaitForWindow(program_.Id(), kStartTimeoutMs, IsMainDialog);
    // The splash comes up just after the main dialog, at every start.
    HWND splash = WaitForWindow(program_.Id(), kStepTimeoutMs, IsAboutDialog);
    if (splash == nullptr || !WaitUntil(kStepTimeoutMs, [&] { return !IsWindow(splash); })) {
        return nullptr;
    }
    return main;
}

HWND AbaconTest::StartIn(const std::string& language) {
    StartProgram();
    HWND dialog = WaitForFirstWindow();
    EXPECT_TRUE(IsLanguageDialog(dialog));
    if (!IsLanguageDialog(dialog)) {
        return nullptr;
    }
    AnswerLanguageDialog(dialog, language);
    return WaitForMainWindow();
}

std::string AbaconTest::Calculate(HWND main, const std::string& expression, Press press) {
    HWND history = GetDlgItem(main, IDC_HISTORY);
    HWND input = GetDlgItem(main, IDC_INPUT);
    const std::string before = TextOf(history);
    SetTextOf(input, expression);
    if (press == Press::EnterKey) {
        PostKey(input, VK_RETURN);
    } else {
        Click(GetDlgItem(main, IDOK));
    }
    std::string after;
    WaitUntil(kStepTimeoutMs, [&] {
        after = TextOf(history);
        return after != before && TextOf(input).empty();
    });
    return after.size() > before.size() ? after.substr(before.size()) : "";
}

void AbaconTest::Sync(HWND main) {
    HWND history = GetDlgItem(main, IDC_HISTORY);
    const bool flipped = SendTimed(history, EM_GETMODIFY, 0, 0) == 0;
    PostMessageA(history, EM_SETMODIFY, flipped, 0);
    EXPECT_TRUE(WaitUntil(
        kStepTimeoutMs, [&] { return (SendTimed(history, EM_GETMODIFY, 0, 0) != 0) == flipped; }));
}

long AbaconTest::EndAndWait(HWND main, int command) {
    if (command == SC_CLOSE) {
        PostMessageA(main, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        Click(GetDlgItem(main, command));
    }
    return WaitForExit();
}

long AbaconTest::WaitForExit() {
    DWORD exitCode = 0;
    return program_.WaitForExit(kStepTimeoutMs, &exitCode) ? static_cast<long>(exitCode) : -1;
}

void AbaconTest::SaveScreenshot(const RECT& area, const std::string& name) {
    const std::string directory = BuildRoot() + "\\screenshots";
    CreateDirectoryA(directory.c_str(), nullptr);
    ScreenImage image;
    // A picture is for people to look at; failing to take one fails no test.
    if (CaptureScreen(area, &image)) {
        SaveBitmap(image, directory + "\\" + name + ".bmp");
    }
}
