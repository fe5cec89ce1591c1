// How the catalogue asks which language to load when the saved name matches none of the
// language file's names. The program plugs in the language dialog; the command-line
// evaluator answers from its arguments.
#pragma once

#include <cstdint>

#include "base/grow_array.h"

class LanguageChooser {
  public:
    // names: the language file's names (char* each, file order; a name's position is its
    // language index). Writes a valid index and returns true, or returns false when no
    // language could be chosen (the load then fails).
    virtual bool Choose(const GrowArray& names, int32_t* index) = 0;

  protected:
    ~LanguageChooser() = default;
};

// The name at index of a list of language names (char* each, file order).
inline const char* LanguageNameAt(const GrowArray& names, int32_t index) {
    return *static_cast<char* const*>(GrowArrayAt(&names, sizeof(char*), index));
}
