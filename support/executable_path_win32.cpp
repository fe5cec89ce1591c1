#include "support/executable_path.h"

#include <windows.h>

std::string ExecutablePath() {
    std::string path(MAX_PATH, '\0');
    while (path.size() <= 65536) {
        const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) {
            return std::string();
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2); // truncated: try a larger buffer
    }
    return std::string();
}
