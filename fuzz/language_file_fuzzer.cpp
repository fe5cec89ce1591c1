// The language-file reader on arbitrary file contents, with the application's key table.
// Besides the sanitizers' findings, a load that breaks the catalogue's promises is a
// finding: a success must fill every key and hand back a language of the file, a failure
// must leave nothing loaded and name one of the catalogue's errors.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "support/version.h"
#include "translation/catalogue.h"

namespace {

// Answers with an index taken from the input, sometimes one out of range.
class InputChooser final : public LanguageChooser {
  public:
    explicit InputChooser(std::size_t seed) : seed_(seed) {}

    bool Choose(const GrowArray& names, int32_t* index) override {
        *index = static_cast<int32_t>(seed_ % static_cast<std::size_t>(names.count + 1));
        return true;
    }

  private:
    std::size_t seed_;
};

bool IsCatalogueError(uint32_t error) {
    switch (error) {
    case CatalogueError::OpenFailed:
    case CatalogueError::VersionMismatch:
    case CatalogueError::KeyWithoutText:
    case CatalogueError::NoLanguage:
    case CatalogueError::TooFewLines:
    case CatalogueError::UnknownKey:
    case CatalogueError::RepeatedKey:
        return true;
    default:
        return false;
    }
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Exactly the file and its terminating zero, so a read past the end is caught.
    std::unique_ptr<char[]> text(new char[size + 1]);
    std::memcpy(text.get(), data, size);
    text[size] = '\0';

    TranslationKey* keys = ApplicationKeys();
    char name[kLanguageNameSize] = "English";
    InputChooser chooser(size);
    uint32_t error = 0;
    if (TranslationLoadText(text.get(), keys, kTranslationKeyCount, kProgramVersion, name, chooser,
                            &error)) {
        Check(error == 0);
        for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
            Check(keys[id].text != nullptr && std::strlen(keys[id].text) <= 65536);
        }
        const GrowArray& names = TranslationLanguageNames();
        bool named = false;
        for (int32_t i = 0; i < names.count; ++i) {
            named =
                named || std::strncmp(LanguageNameAt(names, i), name, kLanguageNameSize - 1) == 0;
        }
        Check(named && std::strlen(name) < static_cast<std::size_t>(kLanguageNameSize));
        TranslationFree();
    } else {
        Check(IsCatalogueError(error));
        Check(TranslationCountInUse() == 0 && TranslationLanguageNames().count == 0);
        for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
            Check(keys[id].text == nullptr);
        }
    }
    return 0;
}
