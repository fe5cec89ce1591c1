// Evaluate on arbitrary text, as the window passes it (with "=" appended), under every
// combination of the two options. Besides the sanitizers' findings, an output that is
// neither a result nor one of the engine's error texts is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/translation_keys.h"
#include "engine/evaluate.h"
#include "engine/refusal.h"

namespace {

// The key strings serve as texts, so refusals produce their real form.
bool InstallTexts() {
    static std::vector<std::string> texts;
    TranslationKey* keys = ApplicationKeys();
    for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
        texts.emplace_back(keys[id].key);
    }
    for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
        keys[id].text = &texts[id][0];
    }
    TranslationUseTable(keys, kTranslationKeyCount);
    return true;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

bool IsErrorText(const std::string& output) {
    if (output == RefusalText(Refusal::OutOfMemory)) {
        return true;
    }
    for (Refusal refusal :
         {Refusal::ParsingFailed, Refusal::DivZero, Refusal::ModuloComplex, Refusal::ModZero,
          Refusal::NumberTooLarge, Refusal::Undefined, Refusal::MixedMarks}) {
        if (EndsWith(output, RefusalText(refusal))) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool installed = InstallTexts();
    (void)installed;
    std::string text(reinterpret_cast<const char*>(data), size);
    text += '=';
    constexpr EvalFlags kAll = EvalFlag::Floating | EvalFlag::Radians | EvalFlag::DecimalComma;
    for (EvalFlags flags = 0; flags <= kAll; ++flags) {
        std::string output;
        Value answer = MakeComplex(1.5, -2.0);
        const bool ok = Evaluate(text.c_str(), flags, &answer, &output);
        if (ok ? output.empty() || IsErrorText(output) : !IsErrorText(output)) {
            std::abort();
        }
    }
    return 0;
}
