// Shared pieces of the About tests: loaded texts, message pumping, tooltips and registry values
// that are put back afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The texts every test sees for the keys the About dialog shows.
constexpr const char* kAboutCaption = "About Abacon";
constexpr const char* kVisitText = "Visit us at:";
constexpr const char* kHomepageText = "Our homepage";
constexpr const char* kHomeUrl = "https://example.org/abacon";

// Dispatches what is waiting now.
void PumpPending();

// The tooltip tool registered for a control, as the tooltip window reports it.
struct ToolInfo {
    bool found = false;
    LRESULT count = 0; // tools of that tooltip window
    UINT flags = 0;
    HWND window = nullptr;
    std::string text;
};
ToolInfo FindTool(HWND control);

// Sets a value under HKEY_CURRENT_USER for one test and restores the previous state (value
// and key) when destroyed.
class ScopedRegistryValue {
  public:
    ScopedRegistryValue(const char* path, const char* name);
    ~ScopedRegistryValue();
    ScopedRegistryValue(const ScopedRegistryValue&) = delete;
    ScopedRegistryValue& operator=(const ScopedRegistryValue&) = delete;

    void SetString(const char* text);
    void Delete();

  private:
    std::string path_;
    std::string name_;
    bool keyExisted_ = false;
    bool valueExisted_ = false;
    DWORD type_ = REG_NONE;
    std::vector<BYTE> data_;
};

constexpr const char* kBrowserSettings = "Software\\Microsoft\\Internet Explorer\\Settings";
