#include "support/executable_path.h"

#include <unistd.h>

std::string ExecutablePath() {
    std::string path(256, '\0');
    while (path.size() <= 65536) {
        const ssize_t length = readlink("/proc/self/exe", &path[0], path.size());
        if (length < 0) {
            return std::string();
        }
        if (static_cast<std::size_t>(length) < path.size()) {
            path.resize(static_cast<std::size_t>(length));
            return path;
        }
        path.resize(path.size() * 2);
    }
    return std::string();
}
