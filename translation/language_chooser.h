// How the catalogue asks which language to load when the saved name matches none of the
// language file's names. The program plugs in the language dialog; the command-line
// evaluator answers from its arguments.
#pragma once

#include <cstdint>

#include "base/grow_array.h"

class LanguageChooser {
  public:
    // names: the language file's names (char* each, file order; a name's position is its
    // language index), at least one of them usable. Writes the index of a usable name and
    // returns true, or returns false when no language could be chosen (the load then fails).
    virtual bool Choose(const GrowArray& names, int32_t* index) = 0;

  protected:
    ~LanguageChooser() = default;
};

// A name that can be listed and chosen: one with more than blanks.
inline bool IsUsableLanguageName(const char* name) {
    for (; *name != '\0'; ++name) {
        if (*name != ' ' && *name != '\t') {
            return true;
        }
    }
    return false;
}

// The name at index of a list of language names (char* each, file order).
inline const char* LanguageNameAt(const GrowArray& names, int32_t index) {
    return *static_cast<char* const*>(GrowArrayAt(&names, sizeof(char*), index));
}
