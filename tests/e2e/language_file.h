// The language file as the tests see it: blocks of CR LF lines, read and written back
// byte for byte, so a test can derive variants of the shipped file.
#pragma once

#include <string>
#include <vector>

struct LanguageFile {
    std::vector<std::string> header; // block 1: the version line and comments
    std::vector<std::string> names;  // block 2
    // One per entry block: the key line, then the raw text lines in language order.
    std::vector<std::vector<std::string>> entries;

    // -1 when the file has no such language.
    int LanguageIndex(const std::string& name) const;
    // The text of key in language index, escapes resolved; empty when missing.
    std::string Text(const std::string& key, int language) const;
    // Sets the raw line of key in language index.
    void SetRawText(const std::string& key, int language, const std::string& raw);
    std::string Bytes() const;
};

bool ReadLanguageFile(const std::string& path, LanguageFile* file);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
