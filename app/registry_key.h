// Owner of one open registry key. Every operation returns a Windows error code (0 for
// success) and shows nothing.
#pragma once

#include <windows.h>

class RegistryKey {
  public:
    RegistryKey() = default;
    ~RegistryKey();
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    // On success the handle held so far is closed and the new one kept; on failure the
    // wrapper is unchanged.
    LONG Open(HKEY parent, const char* subKey, REGSAM access);
    // Opens the key, creating it if missing (non-volatile, no class, default security).
    LONG Create(HKEY parent, const char* subKey, REGSAM access);
    LONG Close();

    // size: in, the capacity of buffer in bytes; out, the bytes delivered with the
    // terminator (0 on failure). The text is always NUL-terminated within the buffer, and
    // empty on failure. A value that is not REG_SZ gives ERROR_INVALID_DATA.
    LONG QueryString(const char* name, char* buffer, DWORD* size) const;
    // A value that is not REG_DWORD gives ERROR_INVALID_DATA and leaves *value unchanged.
    LONG QueryDword(const char* name, DWORD* value) const;
    LONG SetString(const char* name, const char* text);
    LONG SetDword(const char* name, DWORD value);

    HKEY Handle() const { return key_; }

  private:
    HKEY key_ = nullptr;
};
