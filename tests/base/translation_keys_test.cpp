// The key table, and the lookup that never fails.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "base/translation_keys.h"

namespace {

// A key line matches every key that begins with it: a retired key's must match none.
bool Begins(const std::string& line, const std::string& key) {
    return key.compare(0, line.size(), line) == 0;
}

TEST(TranslationKeys, TableHoldsEveryKeyOnceInIdOrder) {
    const TranslationKey* keys = ApplicationKeys();
    for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
        EXPECT_EQ(keys[id].id, id);
        EXPECT_NE(std::string(keys[id].key), "") << id;
        EXPECT_EQ(keys[id].text, nullptr) << keys[id].key;
        for (int32_t other = 0; other < kTranslationKeyCount; ++other) {
            EXPECT_TRUE(other == id || std::string(keys[id].key) != keys[other].key)
                << keys[id].key;
        }
        for (const char* retired : kRetiredKeys) {
            EXPECT_FALSE(Begins(retired, keys[id].key)) << keys[id].key << " / " << retired;
        }
    }
    EXPECT_STREQ(keys[TextId::ParsingFailed].key, "Parsing failed");
    EXPECT_STREQ(keys[TextId::NumberTooLarge].key, "Too large");
}

TEST(TranslationKeys, LookupAnswersWithinTheTableInUseOnly) {
    TranslationKey keys[kTranslationKeyCount];
    std::string texts[kTranslationKeyCount];
    for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
        texts[id] = "text " + std::to_string(id);
        keys[id] = {id, ApplicationKeys()[id].key, &texts[id][0]};
    }
    ASSERT_EQ(TranslationTableInUse(), nullptr);
    ASSERT_EQ(TranslationCountInUse(), 0);
    EXPECT_STREQ(TranslationText(0), "String not found");
    EXPECT_STREQ(TranslationText(TextId::ParsingFailed), "String not found");

    TranslationUseTable(keys, kTranslationKeyCount);
    EXPECT_EQ(TranslationText(0), keys[0].text);
    EXPECT_EQ(TranslationText(TextId::ParsingFailed), texts[TextId::ParsingFailed]);
    EXPECT_EQ(TranslationText(kTranslationKeyCount - 1), texts[kTranslationKeyCount - 1]);
    EXPECT_STREQ(TranslationText(kTranslationKeyCount), "String not found");
    EXPECT_STREQ(TranslationText(-1), "String not found");
    EXPECT_STREQ(TranslationText(INT32_MIN), "String not found");

    TranslationUseTable(keys, 10);
    EXPECT_STREQ(TranslationText(9), "text 9");
    EXPECT_STREQ(TranslationText(10), "String not found");

    TranslationUseTable(nullptr, 0);
    EXPECT_EQ(TranslationCountInUse(), 0);
    EXPECT_STREQ(TranslationText(0), "String not found");
}

} // namespace
