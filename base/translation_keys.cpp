#include "base/translation_keys.h"

namespace {

TranslationKey gKeys[kTranslationKeyCount] = {
#define ABACON_KEY_ENTRY(id, key) {TextId::id, key, nullptr},
    ABACON_TRANSLATION_KEYS(ABACON_KEY_ENTRY)
#undef ABACON_KEY_ENTRY
};

TranslationKey* gTableInUse = nullptr;
int32_t gCountInUse = 0;

const char kNotFound[] = "String not found";

} // namespace

TranslationKey* ApplicationKeys() {
    return gKeys;
}

void TranslationUseTable(TranslationKey* keys, int32_t count) {
    gTableInUse = keys;
    gCountInUse = keys == nullptr ? 0 : count;
}

TranslationKey* TranslationTableInUse() {
    return gTableInUse;
}

int32_t TranslationCountInUse() {
    return gCountInUse;
}

const char* TranslationText(int32_t id) {
    if (id < 0 || id >= gCountInUse || gTableInUse[id].text == nullptr) {
        return kNotFound;
    }
    return gTableInUse[id].text;
}
