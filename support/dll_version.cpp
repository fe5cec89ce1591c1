#include "support/dll_version.h"

#include <windows.h>

#include <shlwapi.h>

uint32_t QueryDllVersion(const char* libraryName) {
    HMODULE library = LoadLibraryA(libraryName);
    if (library == nullptr) {
        return 0;
    }
    uint32_t version = 0;
    FARPROC entry = GetProcAddress(library, "DllGetVersion");
    if (entry != nullptr) {
        // Through the generic function type: the export's real type is DLLGETVERSIONPROC.
        auto query = reinterpret_cast<DLLGETVERSIONPROC>(reinterpret_cast<void (*)()>(entry));
        DLLVERSIONINFO info{};
        info.cbSize = sizeof info;
        if (SUCCEEDED(query(&info))) {
            version = (info.dwMajorVersion & 0xFFFFu) << 16 | (info.dwMinorVersion & 0xFFFFu);
        }
    }
    FreeLibrary(library);
    return version;
}
