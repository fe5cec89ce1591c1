#include "tests/e2e/language_file.h"

#include <fstream>
#include <iterator>

namespace {

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (size_t found; (found = text.find(separator, start)) != std::string::npos;
         start = found + separator.size()) {
        parts.push_back(text.substr(start, found - start));
    }
    parts.push_back(text.substr(start));
    return parts;
}

std::string Join(const std::vector<std::string>& parts, const std::string& separator) {
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i) {
        text += (i == 0 ? "" : separator) + parts[i];
    }
    return text;
}

std::string Unescape(const std::string& raw) {
    std::string text;
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '\\' || i + 1 == raw.size()) {
            text += raw[i];
            continue;
        }
        switch (raw[++i]) {
        case 'n':
            text += '\n';
            break;
        case 't':
            text += '\t';
            break;
        case 'b':
            text += '\b';
            break;
        case 'r':
            text += '\r';
            break;
        case '\\':
            text += '\\';
            break;
        default:
            text += '?';
        }
    }
    return text;
}

} // namespace

int LanguageFile::LanguageIndex(const std::string& name) const {
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

std::string LanguageFile::Text(const std::string& key, int language) const {
    for (const auto& entry : entries) {
        if (entry[0] == key && language >= 0 && static_cast<size_t>(language) + 1 < entry.size()) {
            return Unescape(entry[language + 1]);
        }
    }
    return "";
}

void LanguageFile::SetRawText(const std::string& key, int language, const std::string& raw) {
    for (auto& entry : entries) {
        if (entry[0] == key && language >= 0 && static_cast<size_t>(language) + 1 < entry.size()) {
            entry[language + 1] = raw;
        }
    }
}

std::string LanguageFile::Bytes() const {
    std::vector<std::string> blocks{Join(header, "\r\n"), Join(names, "\r\n")};
    for (const auto& entry : entries) {
        blocks.push_back(Join(entry, "\r\n"));
    }
    return Join(blocks, "\r\n\r\n");
}

bool ReadLanguageFile(const std::string& path, LanguageFile* file) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return false;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A file may end with one line break or one empty line.
    while (bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0) {
        bytes.resize(bytes.size() - 2);
    }
    std::vector<std::string> blocks = Split(bytes, "\r\n\r\n");
    if (blocks.size() < 3) {
        return false;
    }
    file->header = Split(blocks[0], "\r\n");
    file->names = Split(blocks[1], "\r\n");
    file->entries.clear();
    for (size_t i = 2; i < blocks.size(); ++i) {
        file->entries.push_back(Split(blocks[i], "\r\n"));
    }
    return true;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
}
