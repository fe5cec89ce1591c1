#include "support/path_parts.h"

PathParts SplitPath(const std::string& path) {
    const std::size_t separator = path.find_last_of("/\\");
    const std::size_t nameStart = separator == std::string::npos ? 0 : separator + 1;
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart) {
        dot = path.size();
    }
    return {path.substr(0, nameStart), path.substr(nameStart, dot - nameStart), path.substr(dot)};
}
