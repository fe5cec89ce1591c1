#include "tools/drive/wine_settings.h"

#include <windows.h>

#include <cstring>

void SetCurrentUserString(const char* path, const char* name, const char* value) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) == ERROR_SUCCESS) {
        RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>(std::strlen(value) + 1));
        RegCloseKey(key);
    }
}

void ConfigureWineForDriving() {
    SetCurrentUserString("Software\\Wine\\AppDefaults\\Abacon.exe\\X11 Driver", "Managed", "N");
    SetCurrentUserString("Software\\Wine\\WineBrowser", "Browsers", "true");
}
