// The parts of a file path: the program finds its language file and names its message boxes
// from its own path.
#pragma once

#include <string>

struct PathParts {
    std::string folder;    // up to and including the last "/" or "\", empty when there is none
    std::string baseName;  // the file name without its extension
    std::string extension; // from the file name's last "." on, empty when it has none
};

// folder + baseName + extension is the path again. Only a dot within the file name starts
// an extension.
PathParts SplitPath(const std::string& path);
