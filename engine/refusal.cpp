#include "engine/refusal.h"

#include "base/translation_keys.h"

const char* RefusalText(Refusal refusal) {
    switch (refusal) {
    case Refusal::DivZero:
        return TranslationText(TextId::DivZero);
    case Refusal::ModuloComplex:
        return TranslationText(TextId::ModuloComplex);
    case Refusal::ModZero:
        return TranslationText(TextId::ModZero);
    case Refusal::NumberTooLarge:
        return TranslationText(TextId::NumberTooLarge);
    case Refusal::Undefined:
        return TranslationText(TextId::Undefined);
    case Refusal::MixedMarks:
        return TranslationText(TextId::MixedMarks);
    case Refusal::OutOfMemory:
        return "Out of memory";
    case Refusal::ParsingFailed:
        return TranslationText(TextId::ParsingFailed);
    case Refusal::None:
        break;
    }
    return "";
}
