// A failed load of the language file: its code and what it found, and the one English
// sentence that tells the user what is wrong and what to do. The catalogue has no texts then,
// so the sentence is not translated.
#pragma once

#include <cstdint>
#include <string>

#include "support/mapped_file.h"

// Error codes of a failed load (the thread's last error on Windows).
namespace CatalogueError {
constexpr uint32_t OpenFailed = 0xC0070000;      // missing, unreadable or empty file
constexpr uint32_t VersionMismatch = 0xC0070001; // the version line or the program's differs
constexpr uint32_t KeyWithoutText = 0xC0070002;  // some key of the table got no text
constexpr uint32_t NoLanguage = 0xC0070003;      // no usable language name, or none chosen
constexpr uint32_t TooFewLines = 0xC0070004;     // an entry lacks the chosen language's line
constexpr uint32_t UnknownKey = 0xC0070005;      // an entry's key matches no key of the table
constexpr uint32_t RepeatedKey = 0xC0070006;     // a key occurs a second time
constexpr uint32_t OutOfMemory = 8;              // the system's not-enough-memory code
} // namespace CatalogueError

struct LoadProblem {
    uint32_t code = 0;
    std::string path;                     // the language file
    OpenFailure open = OpenFailure::None; // OpenFailed: why
    bool noNames = false;                 // NoLanguage: the file names no usable language
    std::string key;                      // the key at fault, as the table or the file has it
    std::string language;                 // TooFewLines: the chosen language
    std::string programVersion;           // VersionMismatch: the program's version
};

// The sentence for the problem; empty for a code that is not the catalogue's own (out of
// memory is the system's).
std::string LoadProblemText(const LoadProblem& problem);
