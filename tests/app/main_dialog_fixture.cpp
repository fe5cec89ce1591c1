#include "tests/app/main_dialog_fixture.h"

#include "app/application.h"
#include "app/resource.h"
#include "app/settings.h"
#include "base/translation_keys.h"

namespace {

// Each key's text is the key itself, but for the About button's, whose caption drops its
// mnemonic and dots.
std::string EnglishTextOf(int32_t id) {
    return id == TextId::MainAbout ? "A&bout Abacon..." : ApplicationKeys()[id].key;
}

HKEY OpenSettings(REGSAM access) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, access, &key) != ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}

bool SettingsKeyExists() {
    HKEY key = OpenSettings(KEY_READ);
    if (key == nullptr) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

void WriteSetting(const char* name, DWORD type, const BYTE* data, DWORD size) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0,
                                             KEY_WRITE, nullptr, &key, nullptr));
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, data, size));
    RegCloseKey(key);
}

} // namespace

const char* EnglishText(int32_t id) {
    return TranslationText(id);
}

SavedSetting::SavedSetting(const char* name) : name_(name) {
    HKEY key = OpenSettings(KEY_READ);
    if (key == nullptr) {
        return;
    }
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
        data_.resize(size);
        existed_ =
            RegQueryValueExA(key, name, nullptr, &type_, data_.data(), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
}

SavedSetting::~SavedSetting() {
    if (existed_) {
        WriteSetting(name_, type_, data_.data(), static_cast<DWORD>(data_.size()));
    } else {
        DeleteSetting(name_);
    }
}

void WriteSettingDword(const char* name, DWORD value) {
    WriteSetting(name, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void WriteSettingString(const char* name, const char* text) {
    WriteSetting(name, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>(strlen(text) + 1));
}

void DeleteSetting(const char* name) {
    HKEY key = OpenSettings(KEY_WRITE);
    if (key != nullptr) {
        RegDeleteValueA(key, name);
        RegCloseKey(key);
    }
}

bool ReadSettingDword(const char* name, DWORD* value) {
    HKEY key = OpenSettings(KEY_READ);
    if (key == nullptr) {
        return false;
    }
    DWORD type = 0;
    DWORD size = sizeof *value;
    bool read = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(value),
                                 &size) == ERROR_SUCCESS &&
                type == REG_DWORD;
    RegCloseKey(key);
    return read;
}

void MainDialogTest::SetUp() {
    TranslationKey* keys = ApplicationKeys();
    for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
        texts_.push_back(EnglishTextOf(id));
    }
    for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
        keys[id].text = &texts_[id][0];
    }
    TranslationUseTable(keys, kTranslationKeyCount);

    keyExisted_ = SettingsKeyExists();
    for (const SettingRow& row : kSettings) {
        saved_.push_back(std::make_unique<SavedSetting>(row.name));
    }

    SetEnvironmentVariableA("APPDATA", appData_.Path("AppData").c_str());
    Application::Initialize(GetModuleHandleA(nullptr));
    ASSERT_TRUE(Application::RegisterLoop(&loop_));
}

void MainDialogTest::TearDown() {
    dialog_.reset();
    // A quit posted by the dialog must not end the next test's loop.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    Application::UnregisterLoop();
    Application::Terminate();

    saved_.clear();
    if (!keyExisted_) {
        RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKeyPath);
    }

    TranslationKey* keys = ApplicationKeys();
    for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
        keys[id].text = nullptr;
    }
    TranslationUseTable(nullptr, 0);
}

void MainDialogTest::Open() {
    dialog_ = std::make_unique<MainDialog>();
    window_ = dialog_->Create(GetModuleHandleA(nullptr));
    ASSERT_NE(nullptr, window_);
    RunPending();
}

void MainDialogTest::ForgetKeptHistory() {
    DeleteFileA(appData_.Path("AppData\\Merrow\\Abacon\\History.txt").c_str());
}

void MainDialogTest::RunPending() {
    // The quit message comes only after every other posted message.
    PostQuitMessage(0);
    loop_.Run();
}

std::string MainDialogTest::Text(int id) const {
    HWND item = Item(id);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(item)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(item, &text[0], static_cast<int>(text.size()))));
    return text;
}

void MainDialogTest::Press(int id) {
    SendMessageA(window_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Item(id)));
}

void MainDialogTest::Calculate(const char* input) {
    SetWindowTextA(Item(IDC_INPUT), input);
    Press(IDOK);
}
