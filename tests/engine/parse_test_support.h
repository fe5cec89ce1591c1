// Helpers for the parse tests: run the parse phase on a text as the user types it, and
// describe the program built in a compact form that tables can state.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/translation_keys.h"
#include "engine/function_table.h"
#include "engine/parse_expression.h"

// The failure text of the key table in use is "Parsing failed", as in the English file.
class ParseTextsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int32_t id = 0; id < kTranslationKeyCount; ++id) {
            keys_[id] = {id, ApplicationKeys()[id].key, nullptr};
        }
        keys_[TextId::ParsingFailed].text = parsingFailed_;
        TranslationUseTable(keys_, kTranslationKeyCount);
    }
    void TearDown() override { TranslationUseTable(nullptr, 0); }

  private:
    TranslationKey keys_[kTranslationKeyCount];
    char parsingFailed_[15] = "Parsing failed";
};

// Integer 2 is "2", Double 2.0 is "2.0", the constants are "pi", "e" and "i".
inline std::string Describe(const Value& v) {
    char text[64];
    switch (v.kind) {
    case ValueKind::Integer:
        return std::to_string(v.number.integer);
    case ValueKind::Double:
        if (v.number.real == 3.141592653589793) {
            return "pi";
        }
        if (v.number.real == 2.718281828459045) {
            return "e";
        }
        std::snprintf(text, sizeof text, "%.16g", v.number.real);
        if (std::string(text).find_first_of(".en") == std::string::npos) {
            return std::string(text) + ".0";
        }
        return text;
    case ValueKind::Complex:
        if (v.number.real == 0.0 && v.imag == 1.0) {
            return "i";
        }
        std::snprintf(text, sizeof text, "(%.16g,%.16g)", v.number.real, v.imag);
        return text;
    }
    return "?";
}

// An opcode as the tables write it: "lit" for a literal, "pos" and "neg" for the signs, the
// operator's character, or the function's name.
inline std::string Describe(Opcode op) {
    switch (op) {
    case Opcode::PushLiteral:
        return "lit";
    case Opcode::Plus:
        return "pos";
    case Opcode::Negate:
        return "neg";
    case Opcode::Add:
        return "+";
    case Opcode::Subtract:
        return "-";
    case Opcode::Multiply:
        return "*";
    case Opcode::Divide:
        return "/";
    case Opcode::Modulo:
        return "%";
    case Opcode::Power:
        return "^";
    default:
        return IsFunction(op) ? FunctionOf(op).name : "?";
    }
}

struct ParseResult {
    bool ok;
    std::string literals; // described, separated by single spaces
    std::string ops;      // described, separated by single spaces
    int32_t opCount;
    int display;
    std::string failure;
};

// Appends "=" as the calculator window does.
inline ParseResult ParseTyped(const std::string& typed, EvalFlags flags = 0) {
    const std::string text = typed + "=";
    TokenProgram program;
    ParseResult result{};
    result.ok = ParseExpression(text.c_str(), flags, MakeInteger(0), &program, &result.failure);
    for (int32_t k = 0; k < program.literals.count; ++k) {
        result.literals += (k == 0 ? "" : " ") + Describe(LiteralAt(program, k));
    }
    for (int32_t k = 0; k < program.ops.count; ++k) {
        result.ops += (k == 0 ? "" : " ") + Describe(OpcodeAt(program, k));
    }
    result.opCount = program.ops.count;
    result.display = static_cast<int>(program.display);
    TokenProgramFree(&program);
    return result;
}
