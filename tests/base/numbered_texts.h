// A loaded key table whose text of key n is "Tn", in use while the object lives.
#pragma once

#include <string>

#include "base/translation_keys.h"

class NumberedTexts {
  public:
    NumberedTexts() {
        for (int32_t i = 0; i < kTranslationKeyCount; ++i) {
            texts_[i] = "T" + std::to_string(i);
            keys_[i] = TranslationKey{i, "key", &texts_[i][0]};
        }
        TranslationUseTable(keys_, kTranslationKeyCount);
    }
    ~NumberedTexts() { TranslationUseTable(nullptr, 0); }
    NumberedTexts(const NumberedTexts&) = delete;
    NumberedTexts& operator=(const NumberedTexts&) = delete;

  private:
    TranslationKey keys_[kTranslationKeyCount];
    std::string texts_[kTranslationKeyCount];
};
