// Shared pieces of the catalogue tests: a language chooser that answers as told, a small
// key table, and language files built line by line.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "base/grow_array.h"
#include "base/translation_keys.h"
#include "translation/language_chooser.h"

inline std::vector<std::string> NamesOf(const GrowArray& names) {
    std::vector<std::string> result;
    for (int32_t i = 0; i < names.count; ++i) {
        result.push_back(LanguageNameAt(names, i));
    }
    return result;
}

class ScriptedChooser final : public LanguageChooser {
  public:
    explicit ScriptedChooser(int32_t answer = 0, bool chooses = true)
        : answer_(answer), chooses_(chooses) {}

    bool Choose(const GrowArray& names, int32_t* index) override {
        ++calls;
        offered = NamesOf(names);
        if (chooses_) {
            *index = answer_;
        }
        return chooses_;
    }

    int calls = 0;
    std::vector<std::string> offered;

  private:
    int32_t answer_;
    bool chooses_;
};

// Lines joined by CR LF, with no line end after the last.
inline std::string CrLf(std::initializer_list<std::string> lines) {
    std::string text;
    bool first = true;
    for (const std::string& line : lines) {
        if (!first) {
            text += "\r\n";
        }
        text += line;
        first = false;
    }
    return text;
}

// A table of three keys, and a file with English and Deutsch texts for it.
inline std::vector<TranslationKey> ThreeKeys() {
    return {{0, "MAIN Insert", nullptr}, {1, "MAIN Floating", nullptr}, {2, "MAIN Quit", nullptr}};
}

inline std::string TwoLanguageHeader(const std::string& version = "1.0.0.21") {
    return CrLf({version, "Abacon language file", "", "English", "Deutsch", "", ""});
}

inline std::string TwoLanguageFile() {
    return TwoLanguageHeader() +
           CrLf({"MAIN Insert", "Insert", "Einf\xFCgen", "", "MAIN Floating", "Floating point",
                 "Gleitkomma", "", "MAIN Quit", "Quit", "Beenden"});
}

// The two-language file with its comment line padded so that the file has size bytes.
inline std::string TwoLanguageFileOfSize(std::size_t size) {
    std::string file = TwoLanguageFile();
    file.insert(file.find("Abacon language file"), size - file.size(), '-');
    return file;
}
