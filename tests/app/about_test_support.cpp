#include "tests/app/about_test_support.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/application.h"
#include "base/translation_keys.h"

namespace {

// Every key gets a text, as after a successful load; the About dialog's own get distinct
// ones so the tests can tell them apart.
class LoadedTexts : public ::testing::Environment {
  public:
    void SetUp() override {
        Application::Initialize(GetModuleHandleA(nullptr));
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        TranslationKey* keys = ApplicationKeys();
        for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
            texts_[id] = "Text " + std::to_string(id);
            keys[id].text = &texts_[id][0];
        }
        texts_[TextId::MainAbout] = kAboutCaption;
        texts_[TextId::AboutVisit] = kVisitText;
        texts_[TextId::AboutHomepage] = kHomepageText;
        texts_[TextId::HomeUrl] = kHomeUrl;
        for (int32_t id :
             {TextId::MainAbout, TextId::AboutVisit, TextId::AboutHomepage, TextId::HomeUrl}) {
            keys[id].text = &texts_[id][0];
        }
        TranslationUseTable(keys, kTranslationKeyCount);
    }

    void TearDown() override {
        TranslationUseTable(nullptr, 0);
        for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
            ApplicationKeys()[id].text = nullptr;
        }
        Application::Terminate();
    }

  private:
    std::string texts_[kTranslationKeyCount];
};

::testing::Environment* const gEnvironment = ::testing::AddGlobalTestEnvironment(new LoadedTexts);

} // namespace

void PumpPending() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

namespace {

BOOL CALLBACK CollectToolTips(HWND window, LPARAM list) {
    char name[32];
    if (GetClassNameA(window, name, sizeof name) > 0 && lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    }
    return TRUE;
}

} // namespace

ToolInfo FindTool(HWND control) {
    std::vector<HWND> tips;
    EnumThreadWindows(GetCurrentThreadId(), CollectToolTips, reinterpret_cast<LPARAM>(&tips));
    ToolInfo found;
    for (HWND tip : tips) {
        char text[80] = "";
        TOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.lpszText = text;
        if (!SendMessageA(tip, TTM_ENUMTOOLSA, 0, reinterpret_cast<LPARAM>(&tool)) ||
            tool.uId != reinterpret_cast<UINT_PTR>(control)) {
            continue;
        }
        found.found = true;
        found.count = SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0);
        found.flags = tool.uFlags;
        found.window = tool.hwnd;
        found.text = text;
    }
    return found;
}

ScopedRegistryValue::ScopedRegistryValue(const char* path, const char* name)
    : path_(path), name_(name) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return;
    }
    keyExisted_ = true;
    DWORD size = 0;
    if (RegQueryValueExA(key, name, nullptr, &type_, nullptr, &size) == ERROR_SUCCESS) {
        data_.resize(size);
        valueExisted_ =
            RegQueryValueExA(key, name, nullptr, &type_, data_.data(), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(key);
}

ScopedRegistryValue::~ScopedRegistryValue() {
    if (!keyExisted_) {
        RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
        return;
    }
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_WRITE, &key) != ERROR_SUCCESS) {
        return;
    }
    if (valueExisted_) {
        RegSetValueExA(key, name_.c_str(), 0, type_, data_.data(),
                       static_cast<DWORD>(data_.size()));
    } else {
        RegDeleteValueA(key, name_.c_str());
    }
    RegCloseKey(key);
}

void ScopedRegistryValue::SetString(const char* text) {
    HKEY key;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                              &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(RegSetValueExA(key, name_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                             static_cast<DWORD>(lstrlenA(text) + 1)),
              ERROR_SUCCESS);
    RegCloseKey(key);
}

void ScopedRegistryValue::Delete() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_WRITE, &key) != ERROR_SUCCESS) {
        return;
    }
    RegDeleteValueA(key, name_.c_str());
    RegCloseKey(key);
}
