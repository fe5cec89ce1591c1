// Test fixture: the key table in use holds texts equal to the key strings, so the engine's
// error texts can be checked exactly ("Div zero", "Modulo complex").
#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/translation_keys.h"

class EngineTextsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        TranslationKey* keys = ApplicationKeys();
        for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
            texts_.emplace_back(keys[id].key);
        }
        for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
            keys[id].text = &texts_[id][0];
        }
        TranslationUseTable(keys, kTranslationKeyCount);
    }

    void TearDown() override {
        TranslationKey* keys = ApplicationKeys();
        for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
            keys[id].text = nullptr;
        }
        TranslationUseTable(nullptr, 0);
    }

  private:
    std::vector<std::string> texts_;
};
