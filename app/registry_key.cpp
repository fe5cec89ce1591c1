#include "app/registry_key.h"

namespace {

// A REG_SZ value may be stored without its terminator; an empty one may have no data.
// True when the text in buffer[0, bytes) is terminated within capacity (bytes updated).
bool Terminate(char* buffer, DWORD capacity, DWORD* bytes) {
    if (*bytes > 0 && buffer[*bytes - 1] == '\0') {
        return true;
    }
    if (*bytes >= capacity) {
        return false;
    }
    buffer[(*bytes)++] = '\0';
    return true;
}

} // namespace

RegistryKey::~RegistryKey() {
    Close();
}

LONG RegistryKey::Open(HKEY parent, const char* subKey, REGSAM access) {
    HKEY opened = nullptr;
    LONG result = RegOpenKeyExA(parent, subKey, 0, access, &opened);
    if (result == ERROR_SUCCESS) {
        Close();
        key_ = opened;
    }
    return result;
}

LONG RegistryKey::Create(HKEY parent, const char* subKey, REGSAM access) {
    HKEY created = nullptr;
    LONG result = RegCreateKeyExA(parent, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                  nullptr, &created, nullptr);
    if (result == ERROR_SUCCESS) {
        Close();
        key_ = created;
    }
    return result;
}

LONG RegistryKey::Close() {
    if (key_ == nullptr) {
        return ERROR_SUCCESS;
    }
    LONG result = RegCloseKey(key_);
    key_ = nullptr;
    return result;
}

LONG RegistryKey::QueryString(const char* name, char* buffer, DWORD* size) const {
    DWORD capacity = *size;
    *size = 0;
    DWORD type = REG_NONE;
    DWORD bytes = capacity;
    LONG result =
        RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &bytes);
    if (result == ERROR_SUCCESS && type != REG_SZ) {
        result = ERROR_INVALID_DATA;
    } else if (result == ERROR_SUCCESS && !Terminate(buffer, capacity, &bytes)) {
        result = ERROR_MORE_DATA;
    }
    if (result != ERROR_SUCCESS) {
        if (capacity > 0) {
            buffer[0] = '\0';
        }
        return result;
    }
    *size = bytes;
    return ERROR_SUCCESS;
}

LONG RegistryKey::QueryDword(const char* name, DWORD* value) const {
    DWORD type = REG_NONE;
    DWORD read = 0;
    DWORD bytes = sizeof read;
    LONG result =
        RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&read), &bytes);
    if (result != ERROR_SUCCESS) {
        return result;
    }
    if (type != REG_DWORD) {
        return ERROR_INVALID_DATA;
    }
    *value = read;
    return ERROR_SUCCESS;
}

LONG RegistryKey::SetString(const char* name, const char* text) {
    return RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                          static_cast<DWORD>(lstrlenA(text) + 1));
}

LONG RegistryKey::SetDword(const char* name, DWORD value) {
    return RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value);
}
