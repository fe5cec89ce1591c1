#include "tools/soak_driver/expression_generator.h"

#include <algorithm>
#include <cctype>

ExpressionGenerator::ExpressionGenerator(std::mt19937* random, std::vector<std::string> functions)
    : random_(random), functions_(std::move(functions)) {}

int ExpressionGenerator::Below(int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(*random_);
}

std::string ExpressionGenerator::Literal() {
    switch (Below(10)) {
    case 0:
        return "0x" + std::string(1, "0123456789ABCDEFabcdef"[Below(22)]) +
               std::string(static_cast<std::size_t>(Below(8)), "F0A7"[Below(4)]);
    case 1: {
        std::string bits = "0b1";
        for (int i = Below(34); i > 0; --i) {
            bits += static_cast<char>('0' + Below(2));
        }
        return bits;
    }
    case 2:
        return std::string("'") + static_cast<char>(' ' + Below(95)) + "'";
    case 3:
        return std::to_string(Below(100)) + "." + std::to_string(Below(1000));
    case 4:
        return std::to_string(Below(10)) + "e" + std::to_string(Below(40) - 20);
    case 5:
        return std::to_string(Below(10)) + "d" + std::to_string(Below(12));
    case 6:
        return std::to_string(Below(5000000)) + std::string(Below(4) == 0 ? 6 : 0, '9');
    case 7: {
        const char* constants[] = {"pi", "e", "i", "2i", "3pi"};
        return constants[Below(5)];
    }
    default:
        return std::to_string(Below(1000));
    }
}

std::string ExpressionGenerator::Term(int depth, bool useAnswer) {
    const int pick = Below(depth > 2 ? 3 : 8);
    if (pick == 0 && useAnswer) {
        return Below(2) == 0 ? "ans" : "2ans";
    }
    if (pick < 3) {
        return Literal();
    }
    if (pick == 3) {
        return "(" + Term(depth + 1, useAnswer) + "+" + Term(depth + 1, useAnswer) + "i)";
    }
    if (pick == 4) {
        return std::string(1, "+-"[Below(2)]) + Term(depth + 1, useAnswer);
    }
    if (pick == 5 && !functions_.empty()) {
        return functions_[static_cast<std::size_t>(Below(static_cast<int>(functions_.size())))] +
               "(" + Term(depth + 1, useAnswer) + ")";
    }
    const char* operators = "+-*/%^";
    return "(" + Term(depth + 1, useAnswer) + operators[Below(6)] + Term(depth + 1, useAnswer) +
           ")";
}

std::string ExpressionGenerator::Short(bool useAnswer) {
    std::string text;
    if (useAnswer && Below(4) == 0) {
        text = std::string(Below(3) == 0 ? " " : "") + "*/%^"[Below(4)];
    }
    const char* operators = "+-*/%^";
    text += Term(0, useAnswer);
    for (int more = Below(3); more > 0; --more) {
        text +=
            std::string(1, operators[Below(6)]) + (Below(4) == 0 ? " " : "") + Term(0, useAnswer);
    }
    if (Below(6) == 0) {
        text += std::string(",") + "xbc"[Below(3)];
    }
    // Invalid ones: a character dropped, doubled or added.
    if (Below(6) == 0 && !text.empty()) {
        const std::size_t at = static_cast<std::size_t>(Below(static_cast<int>(text.size())));
        switch (Below(3)) {
        case 0:
            text.erase(at, 1);
            break;
        case 1:
            text.insert(at, 1, text[at]);
            break;
        default:
            text.insert(at, 1, "()+,.xq#'"[Below(9)]);
        }
    }
    if (!useAnswer && UsesAnswer(text)) {
        return Literal();
    }
    return text;
}

std::string ExpressionGenerator::Long(std::size_t length) {
    std::string text = Literal();
    while (text.size() < length) {
        text += "+-*"[Below(3)] + std::to_string(Below(1000));
    }
    return text;
}

std::string ExpressionGenerator::Noise(std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += static_cast<char>(' ' + Below(95));
    }
    return text;
}

bool UsesAnswer(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("ans") != std::string::npos || Completed(text) != text;
}

std::string Completed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos || std::string("*/%^").find(text[first]) == std::string::npos) {
        return text;
    }
    return "ans" + text.substr(first);
}
